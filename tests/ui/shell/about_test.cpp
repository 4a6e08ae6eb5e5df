#include "tests/support/window_fixture.h"

#include <QAction>
#include <QDialog>

using namespace pukana;

using About = test::WindowFixture;

TEST_F(About, BoxBeepsEachTimeAndReadmeGetsItsPathAsOneArgument) {
    start();
    int shown = 0;
    platform.onDialog = [&](QDialog&) {
        EXPECT_EQ(platform.beeps, ++shown);
        return int(QDialog::Accepted);
    };
    action("M_About")->trigger();
    action("M_About")->trigger();
    EXPECT_EQ(shown, 2);

    action("M_Readme")->trigger();
    ASSERT_EQ(platform.launched.size(), 1);
    EXPECT_EQ(platform.launched[0].arguments,
              QStringList{state().paths.appDir + QStringLiteral("PUKANA.txt")});
    // A viewer that cannot start is reported; the editor goes on.
    platform.failLaunch = true;
    action("M_Readme")->trigger();
    EXPECT_EQ(platform.messages.size(), 1);
}
