// Geometry is designed in twips: 15 twips make one device-independent pixel.
#pragma once

#include <QRect>
#include <cmath>

namespace pukana {

constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
inline double pixelsToTwips(int pixels) {
    return double(pixels) * TwipsPerPixel;
}
inline QRect twipsRect(double left, double top, double width, double height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace pukana
