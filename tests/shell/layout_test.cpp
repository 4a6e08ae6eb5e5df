#include "platform/rich_text_box.h"
#include "platform/twips.h"
#include "shell/layout_calc.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QFrame>

using namespace pukana;

TEST(LayoutCalc, DocumentBandForTheFourViewStates) {
    LayoutInput in;
    in.innerWidth = 10530;
    in.innerHeight = 7380;

    in.toolbarHeight = ToolbarHiddenHeight;
    in.keyboardOn = true;
    LayoutResult r = computeLayout(in);
    EXPECT_TRUE(r.keyboardVisible);
    EXPECT_EQ(r.docHeight, 7380 - (3480 + 75));
    EXPECT_EQ(r.docTop, 75);

    in.keyboardOn = false;
    r = computeLayout(in);
    EXPECT_FALSE(r.keyboardVisible);
    EXPECT_EQ(r.docHeight, 7380 - 75);

    in.toolbarHeight = ToolbarShownHeight;
    r = computeLayout(in);
    EXPECT_EQ(r.docHeight, 7380 - 495);
    EXPECT_EQ(r.docTop, 495);

    in.keyboardOn = true;
    r = computeLayout(in);
    EXPECT_EQ(r.docHeight, 7380 - (3480 + 495));
    EXPECT_EQ(r.docWidth, 10530);
    EXPECT_EQ(r.lineRight, 10530);
}

TEST(LayoutCalc, KeyFrameCentringMarkerAndTooLowWindow) {
    LayoutInput in;
    in.innerWidth = 10530;
    in.innerHeight = 7380;
    in.pageWidth = 11000;
    LayoutResult r = computeLayout(in);
    EXPECT_DOUBLE_EQ(r.keyFrameLeft, 67.5);
    EXPECT_DOUBLE_EQ(r.markerLeft, 11400);
    EXPECT_DOUBLE_EQ(r.markerTop, 75 + 50);
    EXPECT_DOUBLE_EQ(r.markerHeight, r.docHeight - 100);

    in.innerWidth = 8000;
    EXPECT_DOUBLE_EQ(computeLayout(in).keyFrameLeft, -1197.5);

    // Too low for toolbar and keyboard: the document keeps its last height.
    in.keyboardOn = true;
    in.innerHeight = 3000;
    in.previousDocHeight = 2222;
    r = computeLayout(in);
    EXPECT_EQ(r.docHeight, 2222);
    in.innerHeight = 3480 + 75; // A = 0 is not enough either
    EXPECT_EQ(computeLayout(in).docHeight, 2222);

    // A document lower than the marker's margins gives the marker no height, never negative.
    in.innerHeight = 3480 + 75 + 60;
    r = computeLayout(in);
    EXPECT_EQ(r.docHeight, 60);
    EXPECT_EQ(r.markerHeight, 0);
}

using WindowLayout = test::WindowFixture;

TEST_F(WindowLayout, ViewItemsSwitchToolbarAndKeyboardAndFocusTheDocument) {
    window->show();
    window->client()->resize(twipsToPixels(10530), twipsToPixels(7380));
    window->layout();
    EXPECT_FALSE(window->P2->isVisible());
    EXPECT_EQ(window->T1->y(), twipsToPixels(75));
    EXPECT_EQ(window->T1->height(), twipsToPixels(7380 - 75));

    window->T2->setFocus();
    window->M_KB_Click();
    EXPECT_TRUE(window->M_KB->isChecked());
    EXPECT_TRUE(window->P2->isVisible());
    EXPECT_EQ(window->focusWidget(), window->T1);
    EXPECT_EQ(window->T1->height(), twipsToPixels(7380 - (3480 + 75)));
    EXPECT_EQ(window->P2->y() + window->P2->height(), window->client()->height());

    window->m_toolbar_Click();
    EXPECT_TRUE(window->m_toolbar->isChecked());
    EXPECT_EQ(window->P1->height(), twipsToPixels(495));
    EXPECT_EQ(window->T1->y(), twipsToPixels(495));

    window->m_toolbar_Click();
    window->M_KB_Click();
    EXPECT_FALSE(window->M_KB->isChecked());
    EXPECT_FALSE(window->P2->isVisible());
    EXPECT_EQ(window->P1->height(), twipsToPixels(75));
    EXPECT_EQ(window->Line1->width(), window->client()->width());
}
