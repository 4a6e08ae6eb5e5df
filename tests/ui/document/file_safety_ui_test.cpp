// What keeps a mouse user's work: non-text files are refused, the first save lands, names the
// user never chose are not overwritten silently, and failures say what happened.
#include "tests/ui/document/document_window_fixture.h"

#include "core/document/document_texts.h"
#include "core/document/settings_file.h"
#include "core/error.h"
#include "core/formats/cp932.h"
#include "platform/qt_platform.h"
#include "tests/support/scratch_mount.h"
#include "ui/controllers/settings_controller.h"
#include "ui/editor_state.h"

#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <future>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace pukana;
using namespace Qt::StringLiterals;

using FileSafetyUi = test::DocumentWindow;

TEST_F(FileSafetyUi, NonTextFilesAreRefusedAndTheShownDocumentStays) {
    const QByteArray zip("PK\x03\x04\x14\x00\x06\x00", 8);
    const QByteArray utf16("\xff\xfe\x42\x30\x44\x30\r\0\n\0", 10);
    modify(u"いまのぶんしょ"_s);
    const QString shown = t1().documentText();
    for (const auto& [name, bytes] : {std::pair{u"report.docx"_s, zip}, {u"utf16.txt"_s, utf16}}) {
        const QString path = fileWith(name, bytes);
        fileController().open(path);
        EXPECT_EQ(platform.lastMessage(), texts::notTextMessage(path)) << qPrintable(name);
        EXPECT_EQ(t1().documentText(), shown) << qPrintable(name);
        EXPECT_TRUE(document().isModified());
        EXPECT_EQ(readBytes(path), bytes); // never touched
    }
}

TEST_F(FileSafetyUi, AFewBadBytesOpenButSavingOverThemAsksFirst) {
    const QByteArray original =
        QByteArray("\x82\xa0\x82\xa2", 4).repeated(100) + "\x85\x40\r\n"; // one bad pair
    const QString path = fileWith(u"old.txt"_s, original);
    fileController().open(path);
    modify(u"x"_s);
    platform.msgAnswers = {MessageResult::No};
    fileController().saveInPlace();
    EXPECT_EQ(platform.lastMessage(), texts::lossySaveQuestion(2, path));
    EXPECT_EQ(readBytes(path), original);
    EXPECT_TRUE(document().isModified());
}

TEST_F(FileSafetyUi, AFolderThatCannotBeWrittenOpensSaveAsWithTheName) {
    test::ScratchMount desktop(64);
    if (!desktop.ok() || !desktop.makeReadOnly())
        GTEST_SKIP() << "a read-only file system cannot be mounted here";
    platform.desktop = desktop.path();
    fileController().newDocument();
    const QString first = caption();
    modify(u"にっき"_s);
    const QString elsewhere = files.filePath(u"にっき.rtf"_s);
    choose(elsewhere);
    fileController().saveInPlace();
    ASSERT_EQ(platform.fileRequests.size(), 1);
    EXPECT_EQ(platform.fileRequests[0].fileName, first);
    EXPECT_TRUE(platform.messages.isEmpty()); // no "try again when closing"
    EXPECT_TRUE(readBytes(elsewhere).startsWith("{\\rtf"));
}

TEST_F(FileSafetyUi, NamesTheUserNeverChoseAreNotOverwrittenSilently) {
    // A new document whose made-up name is taken.
    const QString made = caption();
    QFile taken(made);
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly) && taken.write("someone's") == 9);
    taken.close();
    modify();
    fileController().saveInPlace(); // the default answer is No
    EXPECT_EQ(platform.lastMessage(), texts::kOverwriteQuestion.toString());
    EXPECT_EQ(readBytes(made), "someone's");
}

#ifdef Q_OS_UNIX
TEST_F(FileSafetyUi, DevicesFifosAndFoldersGiveAMessageNotAHang) {
    const QString fifo = files.filePath(u"pipe.txt"_s);
    ASSERT_EQ(::mkfifo(qPrintable(fifo), 0600), 0);
    const QString folder = files.filePath(u"folder.txt"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    modify(u"のこす"_s);
    const QString shown = t1().documentText();
    for (const QString& path : {u"/dev/zero"_s, fifo, folder}) {
        platform.messages.clear();
        // A watchdog: a hang here would otherwise stop the whole test run.
        std::atomic<bool> done = false;
        auto watchdog = std::async(std::launch::async, [&] {
            for (int i = 0; i < 200 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (!done)
                std::abort();
        });
        fileController().open(path);
        done = true;
        EXPECT_TRUE(platform.lastMessage().contains(u"'"_s + path + u"'"_s)) << qPrintable(path);
        EXPECT_EQ(t1().documentText(), shown);
    }
}

TEST_F(FileSafetyUi, SaveErrorsSayWhatHappenedAndKeepTheMode) {
    QStringList texts;
    const auto saveAs = [&](const QString& path) {
        platform.messages.clear();
        choose(path);
        platform.msgAnswers = {MessageResult::Yes};
        fileController().saveAs();
        texts << platform.lastMessage();
        EXPECT_TRUE(platform.lastMessage().contains(u"'"_s + path + u"'をとじるときに"_s));
    };
    modify(QString(100000, u'x'));
    test::ScratchMount full(64);
    if (full.ok()) { // the old file stays, the document unsaved, the name recorded
        const QString old = full.filePath(u"full.txt"_s);
        ASSERT_TRUE(QFile(old).open(QIODevice::WriteOnly));
        saveAs(old);
        EXPECT_TRUE(texts.last().startsWith(errorDescription(err::DiskFull)));
        EXPECT_EQ(QFileInfo(old).size(), 0);
        EXPECT_TRUE(document().isModified());
    }
    saveAs(files.filePath(QString(300, u'n')));
    EXPECT_TRUE(texts.last().startsWith(errorDescription(err::NameTooLong)));

    // Saving over a file keeps its mode.
    const QString path = fileWith(u"private.txt"_s, "old\r\n");
    ASSERT_EQ(::chmod(qPrintable(path), 0640), 0);
    fileController().open(path);
    modify(u"new"_s);
    fileController().saveInPlace();
    struct stat st {};
    ASSERT_EQ(::stat(qPrintable(path), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}
#endif

TEST_F(FileSafetyUi, NamesAreShownAsTextNeverAsMarkup) {
    const QString name =
        u"<h1 style=\"color:red\">SPOOF<a href=\"http:&#47;&#47;example.com\">click me.rtf"_s;
    const QString message = texts::openErrorMessage(errorDescription(err::FileNotFound), name);
    QMessageBox box;
    box.setText(message);
    prepareMessageBox(box, MessageStyle::OkExclamation);
    const QList<QLabel*> labels = box.findChildren<QLabel*>();
    const auto shown =
        std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == message; });
    ASSERT_NE(shown, labels.end());
    EXPECT_EQ((*shown)->textFormat(), Qt::PlainText);

    // The word processor gets an absolute path: "-name.doc" is no option.
    const QString before = QDir::currentPath();
    const auto back = qScopeGuard([&before] { QDir::setCurrent(before); });
    QDir::setCurrent(files.path());
    fileWith(u"-name.doc"_s, "\xD0\xCF\x11\xE0");
    platform.msgAnswers = {MessageResult::Yes};
    fileController().open(u"-name.doc"_s);
    ASSERT_EQ(platform.launched.size(), 1);
    EXPECT_EQ(platform.launched[0].arguments, QStringList{files.filePath(u"-name.doc"_s)});
}
