// The document's path and name box, the save question, wrapping, the text-mode commands and
// the settings file with the recent files across restarts.
#include "tests/document/document_window_fixture.h"

#include "core/document/settings_file.h"
#include "core/formats/cp932.h"
#include "core/twips.h"

#include <QDir>

using namespace pukana;
using namespace Qt::StringLiterals;

using DocumentState = test::DocumentWindow;

TEST_F(DocumentState, NewDocumentAndNameBox) {
    modify();
    doc().newdoc();
    EXPECT_EQ(caption(), QDir::toNativeSeparators(desktopDir.path()) + u"/新規.rtf"_s);
    EXPECT_EQ(lineColor(), QColor(Qt::red));
    // Short names show whole in the box; every name rebuilds the very same path.
    for (const QString& path : {u"/d/a.b"_s, u"/doc/README"_s}) {
        doc().nameset(path);
        EXPECT_EQ(state.FileDir + window->T2->text() + state.FileExt, path);
    }
    EXPECT_EQ(lineColor(), QColor(Qt::blue));
    // Typing into the box renames the next save target.
    doc().nameset(u"/d/memo.txt"_s);
    state.Modified = false;
    window->T2->setText(u"memo2"_s);
    EXPECT_EQ(caption(), u"/d/memo2.txt"_s);
    EXPECT_TRUE(state.Modified);
    window->T2->setText(u"sub/x"_s);
    EXPECT_EQ(caption(), u"/d/sub/x.txt"_s);
}

// The save question before 0: new, 1: open and 2: a recent-file entry.
class SaveQuestion : public test::DocumentWindow, public ::testing::WithParamInterface<int> {
protected:
    void run() {
        if (GetParam() == 1)
            choose(target);
        QList<QAction*>{window->M_New, window->M_Open, window->m_f[1]}[GetParam()]->trigger();
    }
    QString target;
};

TEST_P(SaveQuestion, CancelNoAndYes) {
    target = fileWith(u"target.txt"_s, "target\r\n");
    doc().mruadd(target);
    const QString goneOn = GetParam() == 0 ? QString() : u"target\n"_s;
    modify(u"mine"_s);
    platform.msgAnswers = {msg::ResultCancel};
    run();
    EXPECT_EQ(platform.messages.size(), 1);
    // Yes with a cancelled Save As stops as well, although the document has a path.
    platform.msgAnswers = {msg::ResultYes};
    platform.fileAnswers = {std::nullopt};
    run();
    ASSERT_EQ(platform.fileRequests.size(), 1);
    EXPECT_TRUE(platform.fileRequests[0].save);
    EXPECT_EQ(t1().Text(), u"mine"_s);
    platform.msgAnswers = {msg::ResultNo};
    run();
    EXPECT_EQ(t1().Text(), goneOn);
    modify(u"mine"_s);
    platform.msgAnswers = {msg::ResultYes};
    platform.fileAnswers.clear(); // answers left by commands that stopped
    choose(files.filePath(u"mine.txt"_s));
    run();
    EXPECT_TRUE(readBytes(files.filePath(u"mine.txt"_s)).contains("mine"));
    EXPECT_EQ(t1().Text(), goneOn);
    EXPECT_FALSE(state.Modified);
}

INSTANTIATE_TEST_SUITE_P(NewOpenRecent, SaveQuestion, ::testing::Values(0, 1, 2));

TEST_F(DocumentState, WrapSwitchesMarginAndMarker) {
    window->T1->setFixedWidth(twipsToPixels(1350));
    t1().SetText(u"abcdef"_s);
    select(2, 3);
    window->M_Wrap->trigger();
    EXPECT_FALSE(markerShown());
    // The selection collapses to its start; a narrow window keeps the page margin.
    EXPECT_EQ(t1().SelStart() + t1().SelLength(), 2);
    EXPECT_EQ(t1().RightMargin(), platform.recordingPrinter.widthTwips);
    window->T1->setFixedWidth(twipsToPixels(6000));
    doc().wrapset();
    EXPECT_EQ(t1().RightMargin(), 6000 - 400);
}

TEST_F(DocumentState, DroppingFormattingKeepsTheCharacters) {
    t1().SetText(u"太字\nふつう"_s);
    select(0, 2);
    t1().SetSelBold(true);
    platform.msgAnswers = {msg::ResultCancel};
    doc().M_ConvText_Click();
    select(0, 2);
    EXPECT_EQ(t1().SelBold(), true);
    doc().M_ConvText_Click(); // OK by default
    EXPECT_EQ(t1().Text(), u"太字\nふつう\n"_s);
    select(0, 2);
    EXPECT_EQ(t1().SelBold(), false);

    // Characters Shift JIS cannot hold need consent.
    t1().SetText(u"a😀b"_s);
    platform.msgAnswers = {msg::ResultOk, msg::ResultNo};
    doc().M_ConvText_Click();
    EXPECT_EQ(t1().Text(), u"a😀b"_s);
    platform.msgAnswers = {msg::ResultOk, msg::ResultYes};
    doc().M_ConvText_Click();
    EXPECT_EQ(t1().Text(), u"a?b\n"_s);
    // An unusable scratch file leaves the document alone.
    state.DataDir = files.filePath(u"missing/"_s);
    doc().M_ConvText_Click();
    EXPECT_EQ(t1().Text(), u"a?b\n"_s);
    EXPECT_EQ(platform.messages.last().style, msg::OkExclamation);
}

TEST_F(DocumentState, RecentFilesSurviveARestartWithKeyboardAndFont) {
    // Ends this window and starts the program again on the same folders.
    const auto restart = [this] {
        window.reset();
        state = AppState();
        window = std::make_unique<MainWindow>(state, platform);
        start();
    };
    const QString settings = appFile(u"pukana.INI"_s);
    ASSERT_TRUE(saveSettings(settings, cp932::encode(u"[font]ＭＳ 明朝\r\n\"/a/one, two.txt\"\r\n"
                                                     u"\"[odd].txt\"\r\n"_s)));
    restart();
    EXPECT_EQ(state.BaseFontName, u"ＭＳ 明朝"_s);
    EXPECT_EQ(state.MruCount, 1);
    window->M_KB->setChecked(true);
    // Every addition writes the settings at once; the menu shows an ampersand as itself.
    doc().mruadd(u"/m/a&b.txt"_s);
    EXPECT_EQ(
        readBytes(settings),
        cp932::encode(u"[KB]on\r\n[font]ＭＳ 明朝\r\n\"/m/a&b.txt\"\r\n\"/a/one, two.txt\"\r\n"_s));
    EXPECT_EQ(window->m_f[1]->text(), u"/m/a&&b.txt"_s);
    for (int i = 3; i <= 16; ++i)
        doc().mruadd(u"/f/%1.txt"_s.arg(i));
    restart();
    EXPECT_TRUE(window->M_KB->isChecked());
    EXPECT_EQ(state.MruCount, 15);
    EXPECT_EQ(doc().recentFile(15), u"/m/a&b.txt"_s);
    // Closing writes the settings; an unwritable folder is no failure.
    QFile::remove(settings);
    window->shell->M_EXIT_Click();
    EXPECT_TRUE(readBytes(settings).startsWith("[KB]on"));
    state.DataDir.clear();
    doc().mruadd(u"/q/a.txt"_s);
    EXPECT_TRUE(platform.messages.isEmpty());
}
