// The document model: naming, kind, the modified flag, loading and saving plain and rich text.
#include "core/document/document_session.h"
#include "core/error.h"
#include "core/formats/cp932.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

class Session : public ::testing::Test {
protected:
    QString file(const QString& name) const { return dir.filePath(name); }
    static QByteArray bytesOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void type(const QString& text) {
        QTextCursor end(session.document());
        end.movePosition(QTextCursor::End);
        end.insertText(text);
    }

    QTemporaryDir dir;
    DocumentSession session;
    void SetUp() override {
        QObject::connect(&session, &DocumentSession::pathChanged,
                         [this](const QString& path) { paths << path; });
        QObject::connect(&session, &DocumentSession::kindChanged,
                         [this](DocumentKind kind) { kinds << kind; });
        QObject::connect(&session, &DocumentSession::modifiedChanged,
                         [this](bool modified) { flags << modified; });
        QObject::connect(&session, &DocumentSession::documentReplaced, [this] { ++replacements; });
    }

    // What the signals said, in order.
    QStringList paths;
    QList<DocumentKind> kinds;
    QList<bool> flags;
    int replacements = 0;
};

} // namespace

TEST_F(Session, RenamingSignalsPathAndKindButNeverMarksModified) {
    session.setPath(u"/d/memo.txt"_s);
    session.setPath(u"/d/memo.txt"_s); // the same name again: no signal
    session.setPath(u"/d/memo.RTF"_s);
    session.setPath(u"/d/other.rtf"_s); // still rich text: no kind change
    EXPECT_EQ(paths, QStringList({u"/d/memo.txt"_s, u"/d/memo.RTF"_s, u"/d/other.rtf"_s}));
    EXPECT_EQ(kinds, QList<DocumentKind>{DocumentKind::RichText});
    EXPECT_EQ(session.kind(), DocumentKind::RichText);
    EXPECT_FALSE(session.isModified());
    EXPECT_TRUE(flags.isEmpty());
}

TEST_F(Session, EditsMarkModifiedOnceAndTheFlagFollowsTheDocument) {
    type(u"かな"_s);
    type(u"もじ"_s);
    EXPECT_TRUE(session.isModified());
    EXPECT_EQ(flags, QList<bool>{true});
    session.setModified(false);
    EXPECT_FALSE(session.document()->isModified());
    // Formatting is an edit too.
    QTextCursor c(session.document());
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.mergeCharFormat(bold);
    EXPECT_TRUE(session.isModified());
    EXPECT_EQ(flags, QList<bool>({true, false, true}));
}

TEST_F(Session, SavingPlainAndRichTextClearsTheFlagAndAdoptsThePath) {
    type(u"一行"_s);
    const QString txt = file(u"a.txt"_s);
    session.savePlainText(txt, cp932::encode(u"一行"_s));
    EXPECT_EQ(bytesOf(txt), cp932::encode(u"一行"_s));
    EXPECT_EQ(session.path(), txt);
    EXPECT_FALSE(session.isModified());

    type(u"と二行"_s);
    const QString rtf = file(u"a.rtf"_s);
    session.saveRichText(rtf);
    EXPECT_TRUE(bytesOf(rtf).startsWith("{\\rtf1"));
    EXPECT_EQ(session.path(), rtf);
    EXPECT_EQ(session.kind(), DocumentKind::RichText);
    EXPECT_FALSE(session.isModified());

    // Loading it again gives a fresh, unmodified document with the same text.
    QTextDocument* before = session.document();
    session.setPath(u"/elsewhere.txt"_s);
    session.loadRichText(rtf, QFont());
    EXPECT_EQ(replacements, 1);
    EXPECT_NE(session.document(), before);
    EXPECT_EQ(session.document()->toPlainText(), u"一行と二行"_s);
    EXPECT_EQ(session.path(), rtf);
    EXPECT_FALSE(session.isModified());
    type(u"x"_s); // the new document's edits count
    EXPECT_TRUE(session.isModified());
}

TEST_F(Session, AFailedSaveOrLoadKeepsPathFlagAndDocument) {
    session.setPath(u"/d/keep.rtf"_s);
    type(u"unsaved"_s);
    const QString noFolder = file(u"missing/x.rtf"_s);
    EXPECT_THROW(session.saveRichText(noFolder), PukanaError);
    EXPECT_THROW(session.savePlainText(noFolder, "x"), PukanaError);
    EXPECT_EQ(session.path(), u"/d/keep.rtf"_s);
    EXPECT_TRUE(session.isModified());

    QFile notRtf(file(u"not.rtf"_s));
    ASSERT_TRUE(notRtf.open(QIODevice::WriteOnly));
    notRtf.write("plain words");
    notRtf.close();
    QTextDocument* before = session.document();
    EXPECT_THROW(session.loadRichText(notRtf.fileName(), QFont()), PukanaError);
    EXPECT_THROW(session.loadRichText(file(u"gone.rtf"_s), QFont()), PukanaError);
    EXPECT_EQ(session.document(), before);
    EXPECT_EQ(session.document()->toPlainText(), u"unsaved"_s);
    EXPECT_EQ(session.path(), u"/d/keep.rtf"_s);
    EXPECT_TRUE(session.isModified());
}

TEST_F(Session, PlainTextForFileEndsParagraphsWithLineFeeds) {
    type(u"a"_s);
    QTextCursor(session.document()).insertBlock();
    EXPECT_EQ(session.plainTextForFile(), u"\na"_s);
}
