// The arrangement of the main window, computed in twips from its inner size and view state.
#pragma once

namespace pukana {

constexpr double ToolbarShownHeight = 495;
constexpr double ToolbarHiddenHeight = 75;
constexpr double KeyboardPanelHeight = 3480;
constexpr double KeyFrameWidth = 10395;

struct LayoutInput {
    double innerWidth = 0;
    double innerHeight = 0;
    double toolbarHeight = ToolbarHiddenHeight; ///< height of P1
    bool keyboardOn = false;
    double keyboardHeight = KeyboardPanelHeight; ///< height of P2
    double previousDocHeight = 0;                ///< kept when nothing fits
    double pageWidth = 0;                        ///< real page width for the marker
};

struct LayoutResult {
    bool keyboardVisible = false;
    double docLeft = 0, docTop = 0, docWidth = 0, docHeight = 0;
    double lineRight = 0;    ///< right end of the indicator line
    double keyFrameLeft = 0; ///< left of F1 in P2
    double markerLeft = 0, markerTop = 0, markerHeight = 0;
};

/// Height kept for the document when the window is as small as it may be: a few lines.
constexpr double MinimumDocumentHeight = 900;

struct MinimumInnerSize {
    double width = 0, height = 0;
};

/// The smallest inner area (twips) at which the key frame stays whole (it is centred, so it
/// needs its full width) below the shown toolbar and above a few lines of the document.
constexpr MinimumInnerSize minimumInnerSize() {
    return {KeyFrameWidth, ToolbarShownHeight + MinimumDocumentHeight + KeyboardPanelHeight};
}

/// Where the document, indicator line, key frame and page-edge marker go.
LayoutResult computeLayout(const LayoutInput& in);

} // namespace pukana
