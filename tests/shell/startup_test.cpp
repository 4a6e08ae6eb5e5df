#include "about/splash_window.h"
#include "platform/file_name_box.h"
#include "platform/rich_text_box.h"
#include "shell/shell_commands.h"
#include "tests/support/window_fixture.h"

#include <QLabel>

using namespace pukana;

TEST(AppDir, EndsInExactlyOneSeparator) {
    EXPECT_EQ(appDirFrom(QStringLiteral("/opt/pukana")), QStringLiteral("/opt/pukana/"));
    EXPECT_EQ(appDirFrom(QStringLiteral("/opt/pukana/")), QStringLiteral("/opt/pukana/"));
    EXPECT_EQ(appDirFrom(QStringLiteral("/")), QStringLiteral("/"));
}

TEST(Splash, LoadingLineShowsTheWholeArgument) {
    SplashWindow bare;
    const QString design = bare.Label3->text();
    bare.Form_Load(QSize(19200, 14400), QString());
    EXPECT_EQ(bare.Label3->text(), design);
    EXPECT_EQ(bare.Label4->text(), QStringLiteral("version 1.04"));
    EXPECT_EQ(bare.Label1->text(), QStringLiteral("PUKANA"));

    SplashWindow withFile;
    withFile.Form_Load(QSize(19200, 14400), QStringLiteral("/home/user/My Documents/a.txt"));
    EXPECT_EQ(withFile.Label3->text(), QStringLiteral("Loading.../home/user/My Documents/a.txt"));
    // Centred on the screen.
    EXPECT_NEAR(withFile.x() + withFile.width() / 2.0, 19200 / 15 / 2.0, 1);
}

using Startup = test::WindowFixture;

TEST_F(Startup, StepsRunInTheirOrderAndEndReady) {
    QStringList steps;
    window->shell->trace = [&](const char* s) { steps << QString::fromUtf8(s); };
    start();
    const QStringList expected = {QStringLiteral("AppDir"),         QStringLiteral("hourglass"),
                                  QStringLiteral("dicread"),        QStringLiteral("BaseFontName"),
                                  QStringLiteral("iniread"),        QStringLiteral("centre"),
                                  QStringLiteral("show"),           QStringLiteral("unload splash"),
                                  QStringLiteral("newdoc"),         QStringLiteral("create keys"),
                                  QStringLiteral("btnset"),         QStringLiteral("DocFocus"),
                                  QStringLiteral("default pointer")};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(state.AppDir, appDir.path() + QLatin1Char('/'));
    EXPECT_EQ(state.DicLoaded, 1);
    EXPECT_EQ(state.BaseFontName, QStringLiteral("ＭＳ ゴシック"));
    EXPECT_TRUE(state.DocFocus);
    EXPECT_FALSE(state.Modified);
    EXPECT_EQ(window->T2->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    ASSERT_FALSE(platform.pointerChanges.isEmpty());
    EXPECT_EQ(platform.pointerChanges.first(), pointer::Hourglass);
    EXPECT_EQ(platform.pointerChanges.last(), pointer::Default);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Startup, CommandLineFileIsOpenedAfterTheNewDocument) {
    QStringList steps;
    window->shell->trace = [&](const char* s) { steps << QString::fromUtf8(s); };
    platform.args = QStringLiteral("/tmp/no such dir/a.txt");
    start();
    const qsizetype newdoc = steps.indexOf(QStringLiteral("newdoc"));
    const qsizetype docopen = steps.indexOf(QStringLiteral("docopen"));
    ASSERT_GE(docopen, 0);
    EXPECT_EQ(docopen, newdoc + 1);
    EXPECT_LT(docopen, steps.indexOf(QStringLiteral("create keys")));
}
