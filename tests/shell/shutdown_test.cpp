#include "platform/rich_text_box.h"
#include "shell/shell_commands.h"
#include "tests/support/window_fixture.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using namespace pukana;

namespace {
const QString Question = QStringLiteral("へんしゅうちゅうのぶんしょをほぞんしますか ?");

enum class Road { ExitCommand, CloseRequest, Unload };
} // namespace

class Shutdown : public test::WindowFixture, public ::testing::WithParamInterface<Road> {
protected:
    /// Takes the road out; true when the window refused to close.
    bool leave() {
        // Start-up may create an empty settings file: only a new one counts as written.
        QFile::remove(state.DataDir + QStringLiteral("pukana.INI"));
        switch (GetParam()) {
        case Road::ExitCommand:
            window->shell->M_EXIT_Click();
            return !platform.endedWith.has_value();
        case Road::CloseRequest: {
            QCloseEvent event;
            QCoreApplication::sendEvent(window.get(), &event);
            return !event.isAccepted();
        }
        case Road::Unload:
            return window->shell->Form_Unload();
        }
        return false;
    }

    /// The closing routine writes the settings on every road, Cancel included.
    bool settingsWritten() const {
        return QFileInfo::exists(state.DataDir + QStringLiteral("pukana.INI"));
    }

    void modify() {
        window->T1->SetSelText(QStringLiteral("かんじ"));
        ASSERT_TRUE(state.Modified);
    }
};

TEST_P(Shutdown, NothingUnsavedEndsWithoutAQuestion) {
    start();
    EXPECT_FALSE(leave());
    EXPECT_EQ(platform.endedWith, 0);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(settingsWritten());
}

TEST_P(Shutdown, CancelKeepsRunning) {
    start();
    modify();
    platform.msgAnswers = {msg::ResultCancel};
    EXPECT_TRUE(leave());
    EXPECT_FALSE(platform.endedWith.has_value());
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, Question);
    EXPECT_EQ(platform.messages[0].style, 0x33);
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("PUKANA"));
    EXPECT_TRUE(state.Modified);
    EXPECT_TRUE(settingsWritten());
}

TEST_P(Shutdown, NoEndsAndLosesTheChanges) {
    start();
    modify();
    platform.msgAnswers = {msg::ResultNo};
    EXPECT_FALSE(leave());
    EXPECT_EQ(platform.endedWith, 0);
    EXPECT_TRUE(settingsWritten());
}

TEST_P(Shutdown, YesWithACancelledSaveAsKeepsRunning) {
    start();
    modify();
    platform.msgAnswers = {msg::ResultYes};
    platform.fileAnswers = {std::nullopt};
    EXPECT_TRUE(leave());
    EXPECT_FALSE(platform.endedWith.has_value());
    EXPECT_TRUE(state.Modified);
    EXPECT_TRUE(settingsWritten());
}

INSTANTIATE_TEST_SUITE_P(AllRoads, Shutdown,
                         ::testing::Values(Road::ExitCommand, Road::CloseRequest, Road::Unload));

TEST_P(Shutdown, YesWithASaveEndsAndEveryBranchWritesTheSettings) {
    start();
    modify();
    const QString path = desktopDir.filePath(QStringLiteral("おわり.txt"));
    platform.msgAnswers = {msg::ResultYes};
    FileDialogRequest chosen;
    chosen.fileName = path;
    platform.fileAnswers = {chosen};
    EXPECT_FALSE(leave());
    EXPECT_EQ(platform.endedWith, 0);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(state.Modified);
    EXPECT_TRUE(settingsWritten());
}

TEST_P(Shutdown, CancelStillWritesTheSettings) {
    start();
    modify();
    window->M_KB_Click();
    platform.msgAnswers = {msg::ResultCancel};
    EXPECT_TRUE(leave());
    QFile settings(state.DataDir + QStringLiteral("pukana.INI"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("[KB]on"));
}
