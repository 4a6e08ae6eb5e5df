#include "core/layout/layout_calc.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace pukana;

TEST(LayoutCalc, FourViewStatesAndTooLowWindow) {
    // toolbar shown, keyboard on, document top, document height
    const std::tuple<bool, bool, double, double> views[] = {{false, false, 75, 7380 - 75},
                                                            {false, true, 75, 7380 - 3480 - 75},
                                                            {true, false, 495, 7380 - 495},
                                                            {true, true, 495, 7380 - 3480 - 495}};
    LayoutInput in;
    in.innerWidth = 10530;
    in.innerHeight = 7380;
    for (const auto& [toolbar, keyboard, top, height] : views) {
        in.toolbarHeight = toolbar ? ToolbarShownHeight : ToolbarHiddenHeight;
        in.keyboardOn = keyboard;
        const LayoutResult r = computeLayout(in);
        EXPECT_EQ(r.docTop, top);
        EXPECT_EQ(r.docHeight, height);
    }

    in.toolbarHeight = ToolbarHiddenHeight;
    // Too low for toolbar and keyboard: the document keeps its last height.
    in.keyboardOn = true;
    in.previousDocHeight = 2222;
    in.innerHeight = 3480 + 75; // no room at all is not enough either
    EXPECT_EQ(computeLayout(in).docHeight, 2222);
    // A document lower than the marker's margins gives the marker no height, never negative.
    in.innerHeight = 3480 + 75 + 60;
    const LayoutResult r = computeLayout(in);
    EXPECT_EQ(r.docHeight, 60);
    EXPECT_EQ(r.markerHeight, 0);
}
