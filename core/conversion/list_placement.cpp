#include "core/conversion/list_placement.h"

namespace pukana {

namespace {
constexpr double PointerOffset = 200;
}

QPointF listAtBsKey(double docHeight, double keyLeft, double keyTop, double frameLeft) {
    return {keyLeft + frameLeft, docHeight + keyTop};
}

QPointF listAtPointer(QPointF release, QSizeF list, QSizeF area) {
    double top = release.y() + PointerOffset;
    double left = release.x() + PointerOffset;
    if (top + list.height() > area.height())
        top = area.height() - list.height();
    if (left + list.width() > area.width())
        left = area.width() - list.width();
    // Last, so a window smaller than the list still shows its top-left corner.
    if (top < 0)
        top = 0;
    if (left < 0)
        left = 0;
    return {left, top};
}

} // namespace pukana
