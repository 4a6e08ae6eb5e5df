#include "core/layout/layout_calc.h"
#include "core/twips.h"
#include "tests/support/window_fixture.h"

#include <QFrame>

using namespace pukana;

using WindowLayout = test::WindowFixture;

TEST_F(WindowLayout, KeyboardItemShowsThePanelAndFocusesTheDocument) {
    window->show();
    window->clientArea()->resize(twipsToPixels(10530), twipsToPixels(7380));
    fileNameBox()->setFocus();
    action("M_KB")->trigger();
    EXPECT_TRUE(widget("P2")->isVisible());
    EXPECT_EQ(window->focusWidget(), documentView());
    EXPECT_EQ(documentView()->height(), twipsToPixels(7380 - (3480 + 75)));
    EXPECT_EQ(widget("P2")->y() + widget("P2")->height(), window->clientArea()->height());
}
