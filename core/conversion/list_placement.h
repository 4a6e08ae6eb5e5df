// Where the candidate list goes: next to the on-screen BS key, or just below and right of
// the last mouse release in the document. All values in twips.
#pragma once

#include <QPointF>
#include <QSizeF>

namespace pukana {

/// Top-left of the list for a conversion from the on-screen key: the BS key's place in the
/// key frame (`keyLeft`, `keyTop`), moved right by the frame's left edge and down by the
/// document's height.
QPointF listAtBsKey(double docHeight, double keyLeft, double keyTop, double frameLeft);

/// Top-left of a list of size `list` for a mouse release at `release`: 200 twips right of and
/// below it, pulled back so that it ends inside `area`, and never left of or above 0 (a list
/// larger than the area sits at 0).
QPointF listAtPointer(QPointF release, QSizeF list, QSizeF area);

} // namespace pukana
