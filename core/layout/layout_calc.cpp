#include "core/layout/layout_calc.h"

#include <cmath>

namespace pukana {

LayoutResult computeLayout(const LayoutInput& in) {
    LayoutResult r;
    r.keyboardVisible = in.keyboardOn;
    const double k = r.keyboardVisible ? std::round(in.keyboardHeight) : 0;
    const double a = in.innerHeight - (k + in.toolbarHeight);
    // A window too low for toolbar and keyboard keeps the document's last height.
    r.docHeight = a > 0 ? a : in.previousDocHeight;
    r.docWidth = in.innerWidth;
    r.docLeft = 0;
    r.docTop = in.toolbarHeight;
    r.lineRight = in.innerWidth;
    r.keyFrameLeft = (r.docWidth - KeyFrameWidth) / 2;
    r.markerTop = r.docTop + 50;
    // A document lower than 100 twips would give the marker a negative height.
    r.markerHeight = r.docHeight - 100 > 0 ? r.docHeight - 100 : 0;
    r.markerLeft = r.docLeft + in.pageWidth + 400;
    return r;
}

} // namespace pukana
