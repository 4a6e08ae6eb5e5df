// Reading lines and fields, writing lines, and whole-file reads and safe writes.
#include "core/error.h"
#include "core/formats/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;

namespace {

/// Every line (or field) the bytes hold, joined by '|'.
QString readAll(const QByteArray& bytes, bool asFields = true) {
    LineReader lines(bytes);
    FieldReader fields(bytes);
    QStringList parts;
    while (!(asFields ? fields.atEnd() : lines.atEnd()))
        parts << (asFields ? fields.readField() : lines.readLine());
    return parts.join(u'|');
}

int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const PukanaError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(TextFile, ReadsLinesAndFieldsAndWritesQuotedLines) {
    // Lines end at CR LF and a lone CR only.
    EXPECT_EQ(readAll("\x82\xA9\x82\xC8\r\nb\rc\nd\r\n\r\n\r\r\n", false),
              QStringLiteral("かな|b|c\nd|||"));
    // Fields: an empty line is one empty field; leading blanks go, trailing and quoted stay;
    // a quoted field runs across line ends and drops text after its closing quote; a lone CR
    // or LF ends a field; a final comma gives no field.
    EXPECT_EQ(readAll("\x82\xA9\x82\xF1\x82\xB6,\"a,b\"\r\n\r\n  a  ,\t\" b \"  ,c\r\n"),
              QStringLiteral("かんじ|a,b||a  | b |c"));
    EXPECT_EQ(readAll("\"p\r\nq\",r\r\n\"s\"junk,t\ra\nx,\r\ny,"),
              QStringLiteral("p\r\nq|r|s|t|a|x||y"));
    // A stray lead byte does not eat the comma or quote after it; an unclosed quote runs on
    // to the end.
    EXPECT_EQ(readAll("\x82,\"\x82\",\"open, never"), QStringLiteral("・|・|open, never"));
    // Written quoted lines read back as one field each; unencodable characters become '?'.
    const QByteArray quoted = encodeQuotedLine(QStringLiteral("/home/me/a,b 文書😀.txt"));
    EXPECT_EQ(quoted, QByteArray("\"/home/me/a,b \x95\xB6\x8F\x91?.txt\"\r\n"));
    EXPECT_EQ(readAll(quoted + encodeLine(QStringLiteral("x"))),
              QStringLiteral("/home/me/a,b 文書?.txt|x"));

    // Empty input has no line or field; reading past the end is an error.
    LineReader lineReader("");
    FieldReader fieldReader("");
    EXPECT_TRUE(lineReader.atEnd() && fieldReader.atEnd());
    EXPECT_EQ(errorNumberOf([&] { lineReader.readLine(); }), err::InputPastEnd);
    EXPECT_EQ(errorNumberOf([&] { fieldReader.readField(); }), err::InputPastEnd);
}

TEST(TextFile, ReadsWholeFilesAndWritesSafely) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.txt"));
    writeFileSafely(path, "first version, longer\r\n");
    writeFileSafely(path, QByteArray("abc\r\n\x00z", 7));
    EXPECT_EQ(readWholeFile(path), QByteArray("abc\r\n\x00z", 7));
    EXPECT_EQ(errorNumberOf([&] { readWholeFile(dir.filePath(QStringLiteral("none"))); }),
              err::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { readWholeFile(dir.path()); }), err::NotRegularFile);

    // Failed writes: a missing folder, a target that is a folder. A name of the longest length
    // still saves (the temporary name beside it is short).
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(dir.filePath(QStringLiteral("no/x")), "x"); }),
              err::PathNotFound);
    const QString sub = dir.filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkdir(sub));
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(sub, "x"); }), err::PathFileAccess);
    const QString longPath = dir.filePath(QString(255, u'n'));
    QFile old(longPath);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old content") == 11);
    old.close();
    writeFileSafely(longPath, "new");
    EXPECT_EQ(readWholeFile(longPath), QByteArray("new"));
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(dir.filePath(QString(256, u'n')), "x"); }),
              err::NameTooLong);
    // Nothing is left behind by the failed writes.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 2);
}
