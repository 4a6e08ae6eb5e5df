#include "tests/support/window_fixture.h"
#include "ui/controllers/conversion_controller.h"

using namespace pukana;
using namespace Qt::StringLiterals;

using Startup = test::WindowFixture;

TEST_F(Startup, StepsRunInTheirOrderAndEndReady) {
    QStringList steps;
    platform.args = u"/tmp/no such dir/a.txt"_s; // opened right after the new document
    window->start(nullptr, [&](const char* s) { steps << QString::fromUtf8(s); });
    const QStringList expected = {u"AppDir"_s,       u"hourglass"_s,     u"dicread"_s,
                                  u"BaseFontName"_s, u"iniread"_s,       u"centre"_s,
                                  u"show"_s,         u"unload splash"_s, u"newdoc"_s,
                                  u"recovery"_s,     u"docopen"_s,       u"create keys"_s,
                                  u"btnset"_s,       u"DocFocus"_s,      u"default pointer"_s};
    EXPECT_EQ(steps, expected);
    EXPECT_TRUE(controller<ConversionController>().dictionariesLoaded());
    // One hourglass over the whole start-up: the steps' own guards nest inside it.
    EXPECT_EQ(platform.pointerChanges, QList<Pointer>({Pointer::Hourglass, Pointer::Default}));
    EXPECT_TRUE(window->isVisible());
}
