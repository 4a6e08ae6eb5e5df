// Where the document wraps: at the window edge (wrap item checked) or at the printed page
// width with the page-edge marker shown. Widths in twips.
#pragma once

namespace pukana {

/// The wrap width for the window-edge mode: the document control's width less 400 twips,
/// taken only when that is more than 1000 twips; otherwise `currentMargin` stays.
int windowEdgeMargin(int controlWidth, int currentMargin);

/// The wrap width (the right margin) for the mode: the window edge when `wrapAtWindowEdge`,
/// else `pageWidth`.
int wrapMargin(bool wrapAtWindowEdge, int controlWidth, int pageWidth, int currentMargin);

/// The page-edge marker shows exactly while wrapping at the page width.
inline bool pageMarkerVisible(bool wrapAtWindowEdge) {
    return !wrapAtWindowEdge;
}

} // namespace pukana
