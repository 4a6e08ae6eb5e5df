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
    void type(const QString& text) {
        QTextCursor end(session.document());
        end.movePosition(QTextCursor::End);
        end.insertText(text);
    }

    QTemporaryDir dir;
    DocumentSession session;
};

} // namespace

TEST_F(Session, RenamingNeverMarksModifiedAndFormattingDoes) {
    QList<bool> flags;
    QObject::connect(&session, &DocumentSession::modifiedChanged,
                     [&flags](bool modified) { flags << modified; });
    session.setPath(u"/d/memo.RTF"_s);
    EXPECT_EQ(session.kind(), DocumentKind::RichText);
    EXPECT_FALSE(session.isModified());
    type(u"かな"_s);
    session.setModified(false);
    QTextCursor c(session.document());
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.mergeCharFormat(bold);
    EXPECT_EQ(flags, QList<bool>({true, false, true}));
}

TEST_F(Session, AFailedSaveOrLoadKeepsPathFlagAndDocument) {
    session.setPath(u"/d/keep.rtf"_s);
    type(u"unsaved"_s);
    const QString noFolder = file(u"missing/x.rtf"_s);
    EXPECT_THROW(session.saveRichText(noFolder), PukanaError);
    QFile notRtf(file(u"not.rtf"_s));
    ASSERT_TRUE(notRtf.open(QIODevice::WriteOnly));
    notRtf.write("plain words");
    notRtf.close();
    EXPECT_THROW(session.loadRichText(notRtf.fileName(), QFont()), PukanaError);
    EXPECT_EQ(session.document()->toPlainText(), u"unsaved"_s);
    EXPECT_EQ(session.path(), u"/d/keep.rtf"_s);
    EXPECT_TRUE(session.isModified());
}
