#include "about/about_box.h"
#include "about/about_commands.h"
#include "platform/twips.h"
#include "tests/support/window_fixture.h"

#include <QLabel>

using namespace pukana;

using About = test::WindowFixture;

TEST_F(About, BoxBeepsOnceIsCentredAndClosesWithOk) {
    start();
    int shown = 0;
    platform.onDialog = [&](QDialog& dialog) {
        ++shown;
        auto& box = static_cast<AboutBox&>(dialog);
        EXPECT_EQ(box.LV->text(), QStringLiteral("version 1.04"));
        EXPECT_EQ(box.windowTitle(), QStringLiteral(" About PUKANA.exe"));
        const QPoint centre = box.geometry().center();
        EXPECT_NEAR(centre.x(), 19200 / 15 / 2, 2);
        EXPECT_NEAR(centre.y(), 14400 / 15 / 2, 2);
        EXPECT_EQ(platform.beeps, shown);
        return int(QDialog::Accepted);
    };
    window->M_About->trigger();
    window->M_About->trigger();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(platform.beeps, 2);
}

TEST_F(About, ReadmeOpensTheProgramsOwnFileAsOneArgument) {
    start();
    window->M_Readme->trigger();
    ASSERT_EQ(platform.launched.size(), 1);
    EXPECT_EQ(platform.launched[0].arguments,
              QStringList{state.AppDir + QStringLiteral("PUKANA.txt")});
    EXPECT_EQ(platform.launched[0].program, readmeViewer());

    // A viewer that cannot start is reported; the editor goes on.
    platform.failLaunch = true;
    window->M_Readme->trigger();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("PUKANA")) ||
                platform.messages[0].text.contains(QStringLiteral("よんでね")));
}
