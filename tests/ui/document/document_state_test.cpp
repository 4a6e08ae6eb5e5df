// The document's path and name box, the save question, wrapping, the text-mode commands and
// the settings file with the recent files across restarts.
#include "tests/ui/document/document_window_fixture.h"

#include "core/document/settings_file.h"
#include "core/formats/cp932.h"
#include "core/twips.h"

#include <QDir>

using namespace pukana;
using namespace Qt::StringLiterals;

using DocumentState = test::DocumentWindow;

// The save question before 0: new, 1: open and 2: a recent-file entry.
class SaveQuestion : public test::DocumentWindow, public ::testing::WithParamInterface<int> {
protected:
    void run() {
        if (GetParam() == 1)
            choose(target);
        QList<QAction*>{action("M_New"), action("M_Open"), recentEntries()[1]}[GetParam()]
            ->trigger();
    }
    QString target;
};

TEST_P(SaveQuestion, CancelNoAndYes) {
    target = fileWith(u"target.txt"_s, "target\r\n");
    fileController().rememberRecent(target);
    const QString goneOn = GetParam() == 0 ? QString() : u"target\n"_s;
    modify(u"mine"_s);
    platform.msgAnswers = {MessageResult::Cancel};
    run();
    EXPECT_EQ(t1().documentText(), u"mine"_s);
    // Yes with a cancelled Save As stops as well, although the document has a path.
    platform.msgAnswers = {MessageResult::Yes};
    platform.fileAnswers = {std::nullopt};
    run();
    ASSERT_EQ(platform.fileRequests.size(), 1);
    EXPECT_EQ(t1().documentText(), u"mine"_s);
    platform.msgAnswers = {MessageResult::No};
    run();
    EXPECT_EQ(t1().documentText(), goneOn);
    modify(u"mine"_s);
    platform.msgAnswers = {MessageResult::Yes};
    platform.fileAnswers.clear(); // answers left by commands that stopped
    choose(files.filePath(u"mine.txt"_s));
    run();
    EXPECT_TRUE(readBytes(files.filePath(u"mine.txt"_s)).contains("mine"));
    EXPECT_EQ(t1().documentText(), goneOn);
}

INSTANTIATE_TEST_SUITE_P(NewOpenRecent, SaveQuestion, ::testing::Values(0, 1, 2));

TEST_F(DocumentState, DroppingFormattingKeepsTheCharacters) {
    t1().setDocumentText(u"太字\nふつう"_s);
    select(0, 2);
    t1().setSelectionBold(true);
    controller<TextModeController>().dropFormatting(); // OK by default
    EXPECT_EQ(t1().documentText(), u"太字\nふつう\n"_s);
    select(0, 2);
    EXPECT_EQ(t1().selectionBold(), false);

    // Characters Shift JIS cannot hold need consent.
    t1().setDocumentText(u"a😀b"_s);
    platform.msgAnswers = {MessageResult::Ok, MessageResult::No};
    controller<TextModeController>().dropFormatting();
    EXPECT_EQ(t1().documentText(), u"a😀b"_s);
    platform.msgAnswers = {MessageResult::Ok, MessageResult::Yes};
    controller<TextModeController>().dropFormatting();
    EXPECT_EQ(t1().documentText(), u"a?b\n"_s);
}

TEST_F(DocumentState, RecentFilesSurviveARestartWithKeyboardAndFont) {
    // Ends this window and starts the program again on the same folders.
    const auto restart = [this] {
        createWindow();
        start();
    };
    const QString settings = appFile(u"pukana.INI"_s);
    ASSERT_TRUE(saveSettings(settings, cp932::encode(u"[font]ＭＳ 明朝\r\n\"/a/one, two.txt\"\r\n"
                                                     u"\"[odd].txt\"\r\n"_s)));
    restart();
    EXPECT_EQ(state().settings.baseFontName, u"ＭＳ 明朝"_s);
    action("M_KB")->setChecked(true);
    // Every addition writes the settings at once; the menu shows an ampersand as itself.
    fileController().rememberRecent(u"/m/a&b.txt"_s);
    EXPECT_EQ(
        readBytes(settings),
        cp932::encode(u"[KB]on\r\n[font]ＭＳ 明朝\r\n\"/m/a&b.txt\"\r\n\"/a/one, two.txt\"\r\n"_s));
    EXPECT_EQ(recentEntries()[1]->text(), u"/m/a&&b.txt"_s);
    restart();
    EXPECT_TRUE(action("M_KB")->isChecked());
    EXPECT_EQ(state().recentFiles.path(0), u"/m/a&b.txt"_s);
}
