#include "tests/support/window_fixture.h"
#include "ui/controllers/shutdown_controller.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>

using namespace pukana;
using namespace Qt::StringLiterals;

enum class Road { ExitCommand, CloseRequest, Unload };

class Shutdown : public test::WindowFixture, public ::testing::WithParamInterface<Road> {
protected:
    QString ini() const { return state().paths.dataDir + u"pukana.INI"_s; }

    /// Takes the road out; true when the window stayed open. Every road writes the settings,
    /// and the program ends with 0 exactly when the window closes.
    bool leave() {
        QFile::remove(ini()); // start-up may create one: only a new one counts as written
        platform.endedWith.reset();
        QCloseEvent event;
        const bool stayed =
            GetParam() == Road::ExitCommand ? (action("M_EXIT")->trigger(), !platform.endedWith)
            : GetParam() == Road::CloseRequest
                ? (QCoreApplication::sendEvent(window.get(), &event), !event.isAccepted())
                : !controller<ShutdownController>().confirmClose();
        EXPECT_TRUE(QFileInfo::exists(ini()));
        EXPECT_EQ(platform.endedWith, stayed ? std::nullopt : std::optional(0));
        return stayed;
    }
};

TEST_P(Shutdown, EveryBranchOfTheQuestion) {
    start();
    EXPECT_FALSE(leave()); // nothing unsaved: no question
    EXPECT_TRUE(platform.messages.isEmpty());

    documentView()->replaceSelection(u"かんじ"_s);
    action("M_KB")->trigger();
    platform.msgAnswers = {MessageResult::Cancel};
    EXPECT_TRUE(leave());
    EXPECT_EQ(platform.messages.size(), 1);
    QFile settings(ini());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("[KB]on"));

    platform.msgAnswers = {MessageResult::Yes};
    platform.fileAnswers = {std::nullopt}; // Save As cancelled
    EXPECT_TRUE(leave());
    EXPECT_TRUE(document().isModified());

    FileDialogRequest chosen;
    chosen.fileName = desktopDir.filePath(u"おわり.txt"_s);
    platform.msgAnswers = {MessageResult::Yes};
    platform.fileAnswers = {chosen};
    EXPECT_FALSE(leave());
    EXPECT_TRUE(QFileInfo::exists(chosen.fileName));

    documentView()->replaceSelection(u"かんじ"_s);
    platform.msgAnswers = {MessageResult::No};
    EXPECT_FALSE(leave());
}

INSTANTIATE_TEST_SUITE_P(AllRoads, Shutdown,
                         ::testing::Values(Road::ExitCommand, Road::CloseRequest, Road::Unload));
