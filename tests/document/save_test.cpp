// Saving: the save command, Save As with its overwrite question, formats by name, failures.
#include "tests/document/document_window_fixture.h"

#include "platform/cp932.h"
#include "platform/twips.h"

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {
const QString Overwrite = u"すでにあるファイルにうわがきしますか ?"_s;
} // namespace

using Saving = test::DocumentWindow;

TEST_F(Saving, SaveDoesNothingWhileUnmodified) {
    const QString path = file(u"u.txt"_s);
    writeBytes(path, "u");
    doc().docopen(path);
    QFile::remove(path);
    doc().M_Save_Click();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(platform.fileRequests.isEmpty());
}

TEST_F(Saving, NewDocumentGoesToTheDesktopWithoutADialog) {
    const QString target = desktopFile(u"新規.rtf"_s);
    writeBytes(target, "old");
    modify(u"にっき"_s);
    window->M_Wrap->trigger(); // wrapping at the window edge
    window->M_Save->trigger();
    EXPECT_TRUE(platform.fileRequests.isEmpty());
    EXPECT_TRUE(platform.messages.isEmpty()); // no overwrite question either
    EXPECT_TRUE(readBytes(target).startsWith("{\\rtf"));
    EXPECT_FALSE(state.Modified);
    EXPECT_EQ(state.MruCount, 0); // saving in place leaves the recent files
    // After a rich-text save the text is laid out at the page width, the mark unchanged.
    EXPECT_EQ(t1().RightMargin(), platform.recordingPrinter.widthTwips);
    EXPECT_TRUE(window->M_Wrap->isChecked());
}

TEST_F(Saving, SaveAsAsksBeforeOverwritingWithNoAsDefault) {
    const QString path = file(u"exists.txt"_s);
    writeBytes(path, "keep");
    modify(u"new"_s);
    choose(path);
    window->M_SaveAs->trigger();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, Overwrite);
    EXPECT_EQ(platform.messages[0].style, 0x134);
    EXPECT_EQ(readBytes(path), "keep"); // the default answer is No
    EXPECT_TRUE(state.Modified);
    EXPECT_EQ(state.MruCount, 0);

    choose(path);
    platform.msgAnswers = {msg::ResultYes};
    window->M_SaveAs->trigger();
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_EQ(doc().recentFile(1), path);
}

TEST_F(Saving, PlainTextNamesSavePlainText) {
    t1().SetText(u"一\n二"_s);
    t1().SetSelStart(0);
    t1().SetSelLength(1);
    t1().SetSelBold(true);
    for (const QString& name : {u"rich.txt"_s, u"word.doc"_s}) {
        const QString path = file(name);
        choose(path);
        doc().M_SaveAs_Click();
        EXPECT_EQ(readBytes(path), cp932::encode(u"一\r\n二"_s)) << name.toStdString();
        EXPECT_EQ(caption(), path);
        EXPECT_EQ(lineColor(), 0xFF0000u);
    }
    EXPECT_EQ(box(), u"word"_s);
    // The dialog was seeded with the current path and the kind being edited.
    ASSERT_EQ(platform.fileRequests.size(), 2);
    EXPECT_TRUE(platform.fileRequests[0].fileName.endsWith(u"新規.rtf"_s));
    EXPECT_EQ(platform.fileRequests[0].filterIndex, 3);
    EXPECT_EQ(platform.fileRequests[1].fileName, file(u"rich.txt"_s));
    EXPECT_EQ(platform.fileRequests[1].filterIndex, 2);
}

TEST_F(Saving, AFailedSaveKeepsTheOldFile) {
    // A name so long that no temporary file fits beside it: writing must fail.
    const QString path = file(QString(250, u'a') + u".txt"_s);
    writeBytes(path, "old");
    ASSERT_TRUE(QFile::exists(path));
    modify(u"new"_s);
    const QString before = caption();
    choose(path);
    platform.msgAnswers = {msg::ResultYes};
    doc().M_SaveAs_Click();
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_TRUE(platform.lastMessage().endsWith(
        u"  ファイル'"_s + path +
        u"'をとじるときにエラーがはっせいしました。もういちどじっこうしてください。"_s));
    EXPECT_EQ(platform.messages.last().style, 0x30);
    EXPECT_TRUE(state.Modified);
    EXPECT_EQ(caption(), before);
    EXPECT_EQ(doc().recentFile(1), path); // Save As still records it
}

TEST_F(Saving, SaveAsIntoAMissingFolderFailsButIsRecorded) {
    modify();
    const QString path = file(u"nofolder/x.rtf"_s);
    choose(path);
    doc().M_SaveAs_Click();
    EXPECT_TRUE(platform.lastMessage().contains(u"をとじるときに"_s));
    EXPECT_TRUE(state.Modified);
    EXPECT_EQ(doc().recentFile(1), path);
    EXPECT_TRUE(readBytes(appFile(u"pukana.INI"_s)).contains(path.toUtf8()));
}

TEST_F(Saving, UnencodableCharactersNeedConsent) {
    const QString path = file(u"emoji.txt"_s);
    modify(u"a😀b𠮷"_s);
    choose(path);
    platform.msgAnswers = {msg::ResultNo};
    doc().M_SaveAs_Click();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].text.contains(u"2"_s));
    EXPECT_TRUE(platform.messages[0].text.contains(u"😀"_s));
    EXPECT_EQ(platform.messages[0].style, 0x134);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(state.Modified);
    EXPECT_EQ(state.MruCount, 0);

    choose(path);
    platform.msgAnswers = {msg::ResultYes};
    doc().M_SaveAs_Click();
    EXPECT_EQ(readBytes(path), "a?b?");
    EXPECT_FALSE(state.Modified);
}

TEST_F(Saving, BareNameAsksForAPlace) {
    doc().nameset(u"memo.txt"_s);
    modify();
    choose(file(u"memo.txt"_s));
    doc().M_Save_Click();
    ASSERT_EQ(platform.fileRequests.size(), 1);
    EXPECT_EQ(platform.fileRequests[0].fileName, u"memo.txt"_s);
    EXPECT_TRUE(QFile::exists(file(u"memo.txt"_s)));
}

TEST_F(Saving, ClosingWritesTheSettings) {
    QFile::remove(appFile(u"pukana.INI"_s));
    window->shell->M_EXIT_Click();
    EXPECT_EQ(platform.endedWith, 0);
    EXPECT_TRUE(readBytes(appFile(u"pukana.INI"_s)).startsWith("[font]"));
}
