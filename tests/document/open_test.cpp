// Opening plain-text, rich-text and word-processor files, from the dialog, the recent files
// and the command line.
#include "tests/document/document_window_fixture.h"

#include "platform/cp932.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextBlock>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {
const QString WordQuestion =
    u"このﾄﾞｷｭﾒﾝﾄは MicrosoftWord文書 と思われます。'WordPad'で開きますか？"_s;
const QString LegacyRefusal = u"Word5.0以前の文書です。'Wordpad.exe'では開けません。"_s;
} // namespace

using Opening = test::DocumentWindow;

TEST_F(Opening, PlainTextLinesAndState) {
    const QString path = file(u"three.txt"_s);
    writeBytes(path, cp932::encode(u"いち\r\nに\rさん"_s));
    doc().docopen(path);
    EXPECT_EQ(t1().Text(), u"いち\nに\nさん\n"_s);
    EXPECT_EQ(caption(), path);
    EXPECT_EQ(box(), u"three"_s);
    EXPECT_EQ(lineColor(), 0xFF0000u);
    EXPECT_FALSE(state.Modified);
    EXPECT_TRUE(window->M_Wrap->isChecked());
    EXPECT_FALSE(markerShown());
    EXPECT_EQ(doc().recentFile(1), path);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(Opening, LoneLineFeedsStayInTheirLine) {
    const QString path = file(u"lf.txt"_s);
    writeBytes(path, "a\nb\nc");
    doc().docopen(path);
    // One line of text, then the line end the last line gains.
    EXPECT_EQ(t1().document()->firstBlock().text(), u"a\u2028b\u2028c"_s);
    EXPECT_EQ(t1().document()->blockCount(), 2);
    // Saved again, the file keeps its lone line feeds.
    state.Modified = true;
    doc().M_Save_Click();
    EXPECT_EQ(readBytes(path), "a\nb\nc\r\n");
}

TEST_F(Opening, BadBytesOpenWithoutFailing) {
    const QString path = file(u"bad.log"_s);
    writeBytes(path, QByteArray("x\x81\0y\r\n\xFF", 7));
    doc().docopen(path);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(t1().Text().size(), 7); // x, replacement, NUL, y, line end, 0xFF, line end
    const QString empty = file(u"empty.txt"_s);
    writeBytes(empty, QByteArray());
    doc().docopen(empty);
    EXPECT_TRUE(t1().Text().isEmpty());
    EXPECT_EQ(caption(), empty);
}

TEST_F(Opening, RichTextOpensAtThePageWidth) {
    const QString path = file(u"A.RTF"_s);
    writeBytes(path, "{\\rtf1\\ansi {\\b bold} plain\\par}");
    doc().M_Wrap_Click();
    doc().docopen(path);
    EXPECT_TRUE(t1().Text().startsWith(u"bold plain"_s));
    EXPECT_EQ(lineColor(), 0x0000FFu);
    EXPECT_FALSE(window->M_Wrap->isChecked());
    EXPECT_TRUE(markerShown());
    EXPECT_FALSE(state.Modified);
}

TEST_F(Opening, CompoundDocumentGoesToTheWordProcessor) {
    // Blanks, a quote and a semicolon reach the program inside its one argument.
    const QString path = file(u"a b';rm x.doc"_s);
    writeBytes(path, "\xD0\xCF\x11\xE0");

    platform.msgAnswers = {msg::ResultNo};
    doc().docopen(path);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, WordQuestion);
    EXPECT_EQ(platform.messages[0].style, 0x24);
    EXPECT_TRUE(platform.launched.isEmpty());
    EXPECT_EQ(state.MruCount, 0);
    EXPECT_TRUE(t1().Text().isEmpty());

    platform.msgAnswers = {msg::ResultYes};
    doc().docopen(path);
    ASSERT_EQ(platform.launched.size(), 1);
    EXPECT_EQ(platform.launched[0].program, u"xdg-open"_s);
    EXPECT_EQ(platform.launched[0].arguments, QStringList{path});
    EXPECT_EQ(doc().recentFile(1), path);
    EXPECT_TRUE(t1().Text().isEmpty());
    EXPECT_TRUE(caption().endsWith(u"新規.rtf"_s));

    platform.existingPrograms = {u"lowriter"_s};
    platform.msgAnswers = {msg::ResultYes};
    doc().docopen(path);
    EXPECT_EQ(platform.launched.last().program, u"lowriter"_s);
}

TEST_F(Opening, WordProcessorThatCannotStartIsAnOpenError) {
    const QString path = file(u"w.doc"_s);
    writeBytes(path, "\xD0");
    platform.failLaunch = true;
    platform.msgAnswers = {msg::ResultYes};
    doc().docopen(path);
    EXPECT_TRUE(platform.lastMessage().endsWith(
        u"  ファイル'"_s + path +
        u"'をひらくときにエラーがはっせいしました。もういちどじっこうしてください。"_s));
    EXPECT_EQ(state.MruCount, 0);
}

TEST_F(Opening, OldWordDocumentIsRefusedAfterTheQuestion) {
    const QString path = file(u"old.DOC"_s);
    writeBytes(path, "\x94\xA6\x00\x00");
    platform.msgAnswers = {msg::ResultYes};
    doc().docopen(path);
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[0].text, WordQuestion);
    EXPECT_EQ(platform.messages[1].text, LegacyRefusal);
    EXPECT_EQ(platform.messages[1].style, 0x30);
    EXPECT_TRUE(platform.launched.isEmpty());
    EXPECT_EQ(state.MruCount, 0);
}

TEST_F(Opening, OtherDocFilesAndCompoundTxtFilesArePlainText) {
    const QString doc1 = file(u"plain.doc"_s);
    writeBytes(doc1, "\x94\x40text");
    doc().docopen(doc1);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(window->M_Wrap->isChecked());
    const QString txt = file(u"compound.txt"_s);
    writeBytes(txt, "\xD0x");
    doc().docopen(txt);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(caption(), txt);
}

TEST_F(Opening, MissingRecentFileLeavesTheList) {
    const QString gone = file(u"gone.txt"_s);
    const QString kept = file(u"kept.txt"_s);
    writeBytes(kept, "k");
    doc().mruadd(gone);
    doc().mruadd(kept);
    window->m_f[2]->trigger();
    EXPECT_TRUE(platform.lastMessage().contains(u"'"_s + gone + u"'をひらくときに"_s));
    EXPECT_EQ(platform.messages.last().style, 0x30);
    EXPECT_EQ(doc().recentFile(1), kept);
    EXPECT_EQ(doc().recentFile(2), gone);
    EXPECT_TRUE(caption().endsWith(u"新規.rtf"_s));
    EXPECT_FALSE(state.Modified);
}

TEST_F(Opening, ReopeningReloadsFromDisk) {
    const QString path = file(u"r.txt"_s);
    writeBytes(path, "one");
    doc().docopen(path);
    writeBytes(path, "two");
    window->m_f[1]->trigger();
    EXPECT_EQ(t1().Text(), u"two\n"_s);
}

TEST_F(Opening, DialogStartsWithTheKindBeingEditedAndRemembersTheName) {
    const QString path = file(u"d.txt"_s);
    writeBytes(path, "d");
    choose(path);
    window->M_Open->trigger();
    ASSERT_EQ(platform.fileRequests.size(), 1);
    const FileDialogRequest& first = platform.fileRequests[0];
    EXPECT_FALSE(first.save);
    EXPECT_EQ(first.filterIndex, 3); // a new document is rich text
    EXPECT_EQ(first.flags, 4);
    EXPECT_EQ(first.filter,
              u"すべてのファイル(*.*)|*.*|テキストファイル(*.txt)|*.txt|書式付きテキスト"
              u"(*.rtf)|*.rtf|(*.doc,*.bat,*.ini,*.log,*.sys)|*.doc;*.bat;*.ini;"
              u"*.log;*.sys"_s);
    EXPECT_EQ(caption(), path);

    window->M_Open->trigger(); // cancelled
    ASSERT_EQ(platform.fileRequests.size(), 2);
    EXPECT_EQ(platform.fileRequests[1].filterIndex, 2);
    EXPECT_EQ(platform.fileRequests[1].fileName, path);
    EXPECT_EQ(caption(), path);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(Opening, ShortNamesOpenAndSave) {
    const QString path = file(u"ab"_s);
    writeBytes(path, "short");
    doc().docopen(path);
    EXPECT_EQ(caption(), path);
    EXPECT_EQ(box(), u"ab"_s);
    EXPECT_FALSE(state.Modified);
    EXPECT_TRUE(platform.messages.isEmpty());
    modify(u"x"_s);
    doc().M_Save_Click();
    EXPECT_EQ(readBytes(path), "xshort\r\n");
    EXPECT_FALSE(state.Modified);
}

TEST_F(Opening, LongTextEditedWhileBeingLaidOutIsLaidOutToItsEnd) {
    QByteArray bytes;
    for (int i = 0; i < 5000; ++i)
        bytes += "line " + QByteArray::number(i) + "\r\n";
    const QString path = file(u"long.txt"_s);
    writeBytes(path, bytes);
    doc().docopen(path);
    const QTextDocument* d = t1().document();
    // Opening leaves most of the text to the background layout.
    ASSERT_EQ(d->lastBlock().layout()->lineCount(), 0);
    t1().SendKeys(u"x"_s);
    QElapsedTimer limit;
    limit.start();
    while (d->lastBlock().layout()->lineCount() == 0 && limit.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_GT(d->lastBlock().layout()->lineCount(), 0);
    EXPECT_GT(d->documentLayout()->documentSize().height(), 5000 * 10);
}
