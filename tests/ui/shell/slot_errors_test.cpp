// Commands that fail inside their handlers: each says why in a message, no exception leaves
// the handler, and the editor goes on with the next command.
#include "core/error.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <functional>

using namespace pukana;
using namespace Qt::StringLiterals;

using SlotErrors = test::WindowFixture;

TEST_F(SlotErrors, FailingCommandsShowTheirMessageAndTheEditorGoesOn) {
    start();
    platform.messages.clear();
    const std::pair<const char*, std::function<void()>> failures[] = {
        {"paste of damaged rich text without plain text",
         [this] {
             platform.clipboardSet(QString(), QByteArrayLiteral("not rich text"));
             platform.clipHasText = false;
             window->findChildren<QAction*>(u"M_Edit_Item"_s)[3]->trigger();
         }},
        {"a mode whose key file is gone",
         [this] {
             QFile::remove(appFile(u"btn.dat"_s));
             button("btn_katakana")->click();
         }},
    };
    for (const auto& [what, fail] : failures) {
        const qsizetype shown = platform.messages.size();
        EXPECT_NO_THROW(fail()) << what;
        EXPECT_EQ(platform.messages.size(), shown + 1) << what;
        EXPECT_FALSE(platform.endedWith.has_value()) << what;
    }
    EXPECT_TRUE(window->isVisible());
}
