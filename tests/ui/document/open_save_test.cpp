// Opening plain-text, rich-text and word-processor files; saving, with its questions and failures.
#include "tests/ui/document/document_window_fixture.h"

#include "core/formats/cp932.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextBlock>

using namespace pukana;
using namespace Qt::StringLiterals;

using Opening = test::DocumentWindow;

TEST_F(Opening, RichTextOpensAtThePageWidthAndMissingRecentFilesStay) {
    const QString path = fileWith(u"A.RTF"_s, "{\\rtf1\\ansi {\\b bold} plain\\par}");
    fileController().open(path);
    EXPECT_TRUE(t1().documentText().startsWith(u"bold plain"_s));
    EXPECT_FALSE(action("M_Wrap")->isChecked());
    EXPECT_EQ(state().recentFiles.path(0), path);
}

TEST_F(Opening, WordDocumentsGoToTheWordProcessor) {
    // Blanks, a quote and a semicolon reach the program inside its one argument.
    const QString path = fileWith(u"a b';rm x.doc"_s, "\xD0\xCF\x11\xE0");
    platform.msgAnswers = {MessageResult::No, MessageResult::Yes};
    fileController().open(path);
    EXPECT_TRUE(platform.launched.isEmpty());
    fileController().open(path);
    EXPECT_EQ(platform.launched.value(0).arguments, QStringList{path});
    // A program that cannot start is an open error and not recorded.
    const QString failing = fileWith(u"w.doc"_s, "\xD0");
    platform.failLaunch = true;
    fileController().open(failing);
    EXPECT_TRUE(platform.lastMessage().contains(u"'"_s + failing + u"'をひらくときに"_s));
    EXPECT_NE(state().recentFiles.path(0), failing);
}

TEST_F(Opening, LongTextEditedWhileBeingLaidOutIsLaidOutToItsEnd) {
    QByteArray bytes;
    for (int i = 0; i < 5000; ++i)
        bytes += "line " + QByteArray::number(i) + "\r\n";
    fileController().open(fileWith(u"long.txt"_s, bytes));
    const QTextDocument* d = t1().document();
    t1().typeKeys(u"x"_s);
    QElapsedTimer limit;
    limit.start();
    while (d->lastBlock().layout()->lineCount() == 0 && limit.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_GT(d->documentLayout()->documentSize().height(), 5000 * 10);
}

using Saving = test::DocumentWindow;

TEST_F(Saving, NewDocumentGoesToTheDesktopWithoutADialog) {
    const QString target = desktopDir.filePath(u"新規.rtf"_s);
    modify(u"にっき"_s);
    action("M_Wrap")->trigger(); // wrapping at the window edge
    action("M_Save")->trigger();
    EXPECT_TRUE(platform.fileRequests.isEmpty());
    EXPECT_TRUE(readBytes(target).startsWith("{\\rtf"));
}

TEST_F(Saving, SaveAsAsksBeforeOverwritingAndABareNameAsksForAPlace) {
    t1().setDocumentText(u"一\n二"_s);
    const QString path = fileWith(u"word.doc"_s, "keep");
    choose(path);
    platform.msgAnswers = {MessageResult::Yes};
    action("M_SaveAs")->trigger();
    EXPECT_EQ(readBytes(path), cp932::encode(u"一\r\n二"_s));
    EXPECT_EQ(state().recentFiles.path(0), path);
    // A bare name asks for a place.
    document().setPath(u"memo.txt"_s);
    modify();
    choose(files.filePath(u"memo.txt"_s));
    fileController().saveInPlace();
    EXPECT_EQ(platform.fileRequests.last().fileName, u"memo.txt"_s);
    EXPECT_TRUE(QFile::exists(files.filePath(u"memo.txt"_s)));
}

TEST_F(Saving, TextFilesKeepTheirEncodingAndLineEnds) {
    // UTF-8 with a byte order mark, edited and edited back: the same bytes, and no question
    // about characters code page 932 cannot hold.
    const QByteArray utf8 = "\xEF\xBB\xBF" + u"日本語と😀\r\n２行目\r\n"_s.toUtf8();
    const QString path = fileWith(u"utf8.txt"_s, utf8);
    fileController().open(path);
    EXPECT_EQ(t1().documentText(), u"日本語と😀\n２行目\n"_s);
    t1().typeKeys(u"あ{BS}"_s);
    action("M_Save")->trigger();
    EXPECT_EQ(readBytes(path), utf8);
    EXPECT_TRUE(platform.messages.isEmpty());
}
