#include "tests/support/window_fixture.h"
#include "ui/dialogs/readme_window.h"

#include <QPlainTextEdit>

using namespace pukana;

using About = test::WindowFixture;

TEST_F(About, ReadmeGetsItsPathAsOneArgumentOrIsShownByTheEditor) {
    start();

    action("M_Readme")->trigger();
    ASSERT_EQ(platform.launched.size(), 1);
    EXPECT_EQ(platform.launched[0].arguments,
              QStringList{state().paths.appDir + QStringLiteral("PUKANA.txt")});
    // No viewer can start: the editor shows the readme itself, read-only, with no message.
    platform.failLaunch = true;
    QString shownText;
    platform.onDialog = [&](QDialog& dialog) {
        if (auto* readme = dynamic_cast<ReadmeWindow*>(&dialog);
            readme && readme->view()->isReadOnly())
            shownText = readme->view()->toPlainText();
        return int(QDialog::Rejected);
    };
    action("M_Readme")->trigger();
    EXPECT_TRUE(shownText.startsWith(QStringLiteral("PUKANA（ぷかな）")));
    EXPECT_TRUE(platform.messages.isEmpty());
    // Nor the file itself: then it is said.
    QFile::remove(state().paths.appDir + QStringLiteral("PUKANA.txt"));
    action("M_Readme")->trigger();
    EXPECT_EQ(platform.messages.size(), 1);
}
