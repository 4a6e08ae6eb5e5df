// The document's path and name box, the save question, wrapping and the text-mode commands.
#include "tests/document/document_window_fixture.h"

#include "platform/twips.h"

#include <QDir>
#include <QTextBlock>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {
const QString QuestionText = u"へんしゅうちゅうのぶんしょをほぞんしますか ?"_s;
} // namespace

using DocumentState = test::DocumentWindow;

TEST_F(DocumentState, NewDocumentIsAnUnmodifiedRichTextOnTheDesktop) {
    modify();
    doc().newdoc();
    EXPECT_EQ(caption(), QDir::toNativeSeparators(desktopDir.path()) + u"/新規.rtf"_s);
    EXPECT_EQ(box(), u"新規"_s);
    EXPECT_EQ(state.FileExt, u".rtf"_s);
    EXPECT_EQ(lineColor(), 0x0000FFu);
    EXPECT_FALSE(window->M_Wrap->isChecked());
    EXPECT_TRUE(markerShown());
    EXPECT_EQ(t1().RightMargin(), platform.recordingPrinter.widthTwips);
    EXPECT_TRUE(t1().Text().isEmpty());
    EXPECT_EQ(t1().BaseFont().family(), state.BaseFontName);
    EXPECT_FALSE(state.Modified);
}

TEST_F(DocumentState, NamesetSplitsThePath) {
    doc().nameset(u"/doc/README"_s);
    EXPECT_EQ(state.FileExt, u"ADME"_s);
    EXPECT_EQ(state.FileDir, u"/doc/"_s);
    EXPECT_EQ(box(), u"RE"_s);
    EXPECT_EQ(lineColor(), 0xFF0000u);
    EXPECT_EQ(caption(), u"/doc/README"_s);

    doc().nameset(u"/doc/A.RTF"_s);
    EXPECT_EQ(lineColor(), 0x0000FFu);
    EXPECT_EQ(box(), u"A"_s);

    doc().nameset(u"memo.txt"_s);
    EXPECT_TRUE(state.FileDir.isEmpty());
    EXPECT_EQ(box(), u"memo"_s);
    EXPECT_EQ(caption(), u"memo.txt"_s);
}

TEST_F(DocumentState, ShortNamesStayWholeInTheBox) {
    // A name part of four characters or fewer has no room for an extension: the box shows
    // it whole and rebuilds the very same path.
    for (const QString& path : {u"/d/a.b"_s, u"/d/.txt"_s, u"/d/x"_s}) {
        doc().nameset(path);
        EXPECT_EQ(caption(), path);
        EXPECT_TRUE(state.FileExt.isEmpty()) << path.toStdString();
        EXPECT_EQ(state.FileDir + box() + state.FileExt, path);
    }
}

TEST_F(DocumentState, TheBoxRenamesTheNextSaveTarget) {
    doc().nameset(u"/d/memo.txt"_s);
    state.Modified = false;
    window->T2->setText(u"memo2"_s);
    EXPECT_EQ(caption(), u"/d/memo2.txt"_s);
    EXPECT_TRUE(state.Modified); // the content never changed

    window->T2->clear();
    EXPECT_EQ(box(), u"新規"_s);
    EXPECT_EQ(caption(), u"/d/新規.txt"_s);

    // A folder typed into the box moves the target there.
    window->T2->setText(u"sub/x"_s);
    EXPECT_EQ(caption(), u"/d/sub/x.txt"_s);
    EXPECT_EQ(state.FileDir, u"/d/sub/"_s);
    EXPECT_EQ(box(), u"x"_s);
    window->T2->setText(u"more/"_s);
    EXPECT_EQ(caption(), u"/d/sub/more/新規.txt"_s);
    EXPECT_EQ(box(), u"新規"_s);
}

// The save question before new, open and a recent-file entry.
enum class Command { New, Open, Recent };

class SaveQuestion : public test::DocumentWindow, public ::testing::WithParamInterface<Command> {
protected:
    void SetUp() override {
        DocumentWindow::SetUp();
        target = file(u"target.txt"_s);
        writeBytes(target, "target\r\n");
        doc().mruadd(target);
    }
    void run() {
        switch (GetParam()) {
        case Command::New:
            window->M_New->trigger();
            break;
        case Command::Open:
            choose(target);
            window->M_Open->trigger();
            break;
        case Command::Recent:
            window->m_f[1]->trigger();
            break;
        }
    }
    /// What the command does when it goes on.
    QString expectedText() const { return GetParam() == Command::New ? QString() : u"target\n"_s; }
    QString target;
};

TEST_P(SaveQuestion, UnmodifiedGoesOnWithoutAsking) {
    run();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(t1().Text(), expectedText());
}

TEST_P(SaveQuestion, CancelStops) {
    modify(u"mine"_s);
    platform.msgAnswers = {msg::ResultCancel};
    run();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, QuestionText);
    EXPECT_EQ(platform.messages[0].style, 0x33);
    EXPECT_EQ(t1().Text(), u"mine"_s);
    EXPECT_TRUE(state.Modified);
    EXPECT_TRUE(platform.fileRequests.isEmpty());
}

TEST_P(SaveQuestion, NoDropsTheChangesAndGoesOn) {
    modify(u"mine"_s);
    platform.msgAnswers = {msg::ResultNo};
    run();
    EXPECT_EQ(t1().Text(), expectedText());
    EXPECT_FALSE(state.Modified);
}

TEST_P(SaveQuestion, YesWithCancelledSaveAsStops) {
    modify(u"mine"_s);
    const QString before = caption();
    platform.msgAnswers = {msg::ResultYes};
    platform.fileAnswers = {std::nullopt};
    run();
    ASSERT_EQ(platform.fileRequests.size(), 1);
    EXPECT_TRUE(platform.fileRequests[0].save); // Save As, although the document has a path
    EXPECT_EQ(t1().Text(), u"mine"_s);
    EXPECT_EQ(caption(), before);
    EXPECT_TRUE(state.Modified);
}

TEST_P(SaveQuestion, YesWithASavedDocumentGoesOn) {
    modify(u"mine"_s);
    const QString saved = file(u"mine.txt"_s);
    platform.msgAnswers = {msg::ResultYes};
    choose(saved);
    run();
    EXPECT_EQ(readBytes(saved), "mine");
    EXPECT_EQ(t1().Text(), expectedText());
    EXPECT_FALSE(state.Modified);
}

INSTANTIATE_TEST_SUITE_P(NewOpenRecent, SaveQuestion,
                         ::testing::Values(Command::New, Command::Open, Command::Recent));

TEST_F(DocumentState, WrapItemSwitchesMarginAndMarker) {
    window->resize(800, 600);
    window->layout();
    t1().SetText(u"abcdef"_s);
    t1().SetSelStart(2);
    t1().SetSelLength(3);
    window->M_Wrap->trigger();
    EXPECT_TRUE(window->M_Wrap->isChecked());
    EXPECT_FALSE(markerShown());
    EXPECT_EQ(t1().RightMargin(), pixelsToTwips(t1().width()) - 400);
    // The selection collapses to its start.
    EXPECT_EQ(t1().SelStart(), 2);
    EXPECT_EQ(t1().SelLength(), 0);

    doc().M_Wrap_Click();
    EXPECT_FALSE(window->M_Wrap->isChecked());
    EXPECT_TRUE(markerShown());
    EXPECT_EQ(t1().RightMargin(), platform.recordingPrinter.widthTwips);
}

TEST_F(DocumentState, NarrowWindowKeepsThePageMarginUntilWidened) {
    window->T1->setFixedWidth(twipsToPixels(1350));
    doc().M_Wrap_Click();
    EXPECT_FALSE(markerShown());
    EXPECT_EQ(t1().RightMargin(), platform.recordingPrinter.widthTwips);
    window->T1->setFixedWidth(twipsToPixels(6000));
    doc().wrapset();
    EXPECT_EQ(t1().RightMargin(), 6000 - 400);
}

TEST_F(DocumentState, DroppingFormattingKeepsTheCharacters) {
    t1().SetText(u"太字\nふつう"_s);
    t1().SetSelStart(0);
    t1().SetSelLength(2);
    t1().SetSelBold(true);
    t1().SetSelColor(0xFF);
    t1().SetSelAlignment(2);
    state.Modified = false;

    platform.msgAnswers = {msg::ResultCancel};
    doc().M_ConvText_Click();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(platform.messages.last().title, u"テキスト表示モード切り替え"_s);
    t1().SetSelStart(0);
    t1().SetSelLength(2);
    EXPECT_EQ(t1().SelBold(), true);

    doc().M_ConvText_Click(); // OK by default
    EXPECT_EQ(platform.beeps, 2);
    EXPECT_EQ(t1().Text(), u"太字\nふつう\n"_s);
    t1().SetSelStart(0);
    t1().SetSelLength(2);
    EXPECT_EQ(t1().SelBold(), false);
    EXPECT_EQ(t1().SelColor(), 0u);
    EXPECT_EQ(t1().document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    EXPECT_TRUE(state.Modified);
    EXPECT_FALSE(QFile::exists(appFile(u"pukana.$$$"_s)));
}

TEST_F(DocumentState, DroppingFormattingAsksBeforeLosingCharacters) {
    t1().SetText(u"a😀b"_s);
    platform.msgAnswers = {msg::ResultOk, msg::ResultNo};
    doc().M_ConvText_Click();
    EXPECT_TRUE(platform.lastMessage().contains(u"😀"_s));
    EXPECT_EQ(t1().Text(), u"a😀b"_s);

    platform.msgAnswers = {msg::ResultOk, msg::ResultYes};
    doc().M_ConvText_Click();
    EXPECT_EQ(t1().Text(), u"a?b\n"_s);
}

TEST_F(DocumentState, UnusableScratchFileLeavesTheDocument) {
    t1().SetText(u"そのまま"_s);
    state.DataDir = file(u"missing/"_s);
    doc().M_ConvText_Click();
    EXPECT_EQ(t1().Text(), u"そのまま"_s);
    EXPECT_TRUE(platform.lastMessage().contains(u"しょしきをけせませんでした"_s));
    EXPECT_EQ(platform.messages.last().style, msg::OkExclamation);
}

TEST_F(DocumentState, RichTextSourceRoundTrip) {
    t1().SetText(u"abc"_s);
    t1().SetSelStart(0);
    t1().SetSelLength(1);
    t1().SetSelBold(true);
    const QString before = t1().Text();
    doc().M_ToTXT_Click();
    EXPECT_TRUE(t1().Text().startsWith(u"{\\rtf"_s));
    doc().M_ToRTF_Click();
    EXPECT_EQ(t1().Text(), before);
    t1().SetSelStart(0);
    t1().SetSelLength(1);
    EXPECT_EQ(t1().SelBold(), true);
    t1().SetSelStart(1);
    t1().SetSelLength(1);
    EXPECT_EQ(t1().SelBold(), false);
}
