#include "tests/support/window_fixture.h"

using namespace pukana;
using namespace Qt::StringLiterals;

using Startup = test::WindowFixture;

TEST_F(Startup, StepsRunInTheirOrderAndEndReady) {
    QStringList steps;
    window->shell->trace = [&](const char* s) { steps << QString::fromUtf8(s); };
    platform.args = u"/tmp/no such dir/a.txt"_s; // opened right after the new document
    start();
    const QStringList expected = {u"AppDir"_s,       u"hourglass"_s,     u"dicread"_s,
                                  u"BaseFontName"_s, u"iniread"_s,       u"centre"_s,
                                  u"show"_s,         u"unload splash"_s, u"newdoc"_s,
                                  u"recovery"_s,     u"docopen"_s,       u"create keys"_s,
                                  u"btnset"_s,       u"DocFocus"_s,      u"default pointer"_s};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(state.AppDir, appDir.path() + QLatin1Char('/'));
    EXPECT_EQ(state.DicLoaded, 1);
    EXPECT_TRUE(state.DocFocus);
    EXPECT_EQ(platform.pointerChanges.value(0), pointer::Hourglass);
    EXPECT_EQ(platform.pointerChanges.value(platform.pointerChanges.size() - 1), pointer::Default);
    EXPECT_TRUE(window->isVisible());
}
