// Colours are kept as 0x00BBGGRR numbers, as the settings and the font dialog know them.
#pragma once

#include <QColor>

namespace pukana {

inline quint32 toBgr(const QColor& c) {
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

inline QColor fromBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace pukana
