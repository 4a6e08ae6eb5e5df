#include "core/document/wrap_width.h"

namespace pukana {

int windowEdgeMargin(int controlWidth, int currentMargin) {
    const int width = controlWidth - 400;
    return width > 1000 ? width : currentMargin;
}

int wrapMargin(bool wrapAtWindowEdge, int controlWidth, int pageWidth, int currentMargin) {
    return wrapAtWindowEdge ? windowEdgeMargin(controlWidth, currentMargin) : pageWidth;
}

} // namespace pukana
