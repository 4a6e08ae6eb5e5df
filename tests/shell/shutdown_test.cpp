#include "ui/widgets/rich_text_box.h"
#include "tests/support/window_fixture.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>

using namespace pukana;
using namespace Qt::StringLiterals;

enum class Road { ExitCommand, CloseRequest, Unload };

class Shutdown : public test::WindowFixture, public ::testing::WithParamInterface<Road> {
protected:
    QString ini() const { return state.DataDir + u"pukana.INI"_s; }

    /// Takes the road out; true when the window stayed open. Every road writes the settings,
    /// and the program ends with 0 exactly when the window closes.
    bool leave() {
        QFile::remove(ini()); // start-up may create one: only a new one counts as written
        platform.endedWith.reset();
        QCloseEvent event;
        const bool stayed =
            GetParam() == Road::ExitCommand ? (window->shell->M_EXIT_Click(), !platform.endedWith)
            : GetParam() == Road::CloseRequest
                ? (QCoreApplication::sendEvent(window.get(), &event), !event.isAccepted())
                : window->shell->Form_Unload();
        EXPECT_TRUE(QFileInfo::exists(ini()));
        EXPECT_EQ(platform.endedWith, stayed ? std::nullopt : std::optional(0));
        return stayed;
    }
};

TEST_P(Shutdown, EveryBranchOfTheQuestion) {
    start();
    EXPECT_FALSE(leave()); // nothing unsaved: no question
    EXPECT_TRUE(platform.messages.isEmpty());

    window->T1->SetSelText(u"かんじ"_s);
    window->M_KB_Click();
    platform.msgAnswers = {msg::ResultCancel};
    EXPECT_TRUE(leave());
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, u"へんしゅうちゅうのぶんしょをほぞんしますか ?"_s);
    EXPECT_EQ(platform.messages[0].style, 0x33);
    QFile settings(ini());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("[KB]on"));

    platform.msgAnswers = {msg::ResultYes};
    platform.fileAnswers = {std::nullopt}; // Save As cancelled
    EXPECT_TRUE(leave());
    EXPECT_TRUE(state.Modified);

    FileDialogRequest chosen;
    chosen.fileName = desktopDir.filePath(u"おわり.txt"_s);
    platform.msgAnswers = {msg::ResultYes};
    platform.fileAnswers = {chosen};
    EXPECT_FALSE(leave());
    EXPECT_TRUE(QFileInfo::exists(chosen.fileName));

    window->T1->SetSelText(u"かんじ"_s);
    platform.msgAnswers = {msg::ResultNo};
    EXPECT_FALSE(leave());
}

INSTANTIATE_TEST_SUITE_P(AllRoads, Shutdown,
                         ::testing::Values(Road::ExitCommand, Road::CloseRequest, Road::Unload));
