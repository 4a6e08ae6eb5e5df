// Reading lines and fields, writing lines, and whole-file reads and safe writes.
#include "platform/error.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;

namespace {

QStringList allLines(const QByteArray& bytes) {
    LineReader reader(bytes);
    QStringList lines;
    while (!reader.atEnd())
        lines << reader.readLine();
    return lines;
}

QStringList allFields(const QByteArray& bytes) {
    FieldReader reader(bytes);
    QStringList fields;
    while (!reader.atEnd())
        fields << reader.readField();
    return fields;
}

int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const PukanaError& e) {
        EXPECT_FALSE(e.description().isEmpty());
        return e.number();
    }
    return 0;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(LineReader, SplitsAtCrLfAndLoneCrOnly) {
    EXPECT_EQ(allLines("\x82\xA9\x82\xC8\r\nb\rc\nd"),
              QStringList({QStringLiteral("かな"), QStringLiteral("b"), QStringLiteral("c\nd")}));
    EXPECT_EQ(allLines("x\r\n"), QStringList({QStringLiteral("x")}));
    EXPECT_EQ(allLines("\r\n\r\ny"), QStringList({QString(), QString(), QStringLiteral("y")}));
    EXPECT_EQ(allLines("\r\r\n"), QStringList({QString(), QString()}));
    EXPECT_TRUE(allLines("").isEmpty());

    LineReader reader("last");
    EXPECT_EQ(reader.readLine(), QStringLiteral("last"));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(errorNumberOf([&] { reader.readLine(); }), err::InputPastEnd);
}

TEST(FieldReader, ReadsCommaAndQuoteFields) {
    // Pairs as the dictionaries hold them, quoted or not; a quoted field keeps its comma.
    EXPECT_EQ(allFields("\x82\xA9\x82\xF1\x82\xB6,\x8A\xBF\x8E\x9A\r\n\"a,b\",\"c\"\r\n"),
              QStringList({QStringLiteral("かんじ"), QStringLiteral("漢字"), QStringLiteral("a,b"),
                           QStringLiteral("c")}));
    // An empty line is one empty field and shifts the pairing.
    EXPECT_EQ(allFields("a,b\r\n\r\nc,d\r\n"),
              QStringList({QStringLiteral("a"), QStringLiteral("b"), QString(), QStringLiteral("c"),
                           QStringLiteral("d")}));
    // Leading blanks go, trailing blanks of an unquoted field stay, quoted blanks stay.
    EXPECT_EQ(allFields("  a  ,\t\" b \"  ,c"),
              QStringList({QStringLiteral("a  "), QStringLiteral(" b "), QStringLiteral("c")}));
    // A quoted field runs across line ends; text after its closing quote is dropped.
    EXPECT_EQ(allFields("\"p\r\nq\",r\r\n\"s\"junk,t"),
              QStringList({QStringLiteral("p\r\nq"), QStringLiteral("r"), QStringLiteral("s"),
                           QStringLiteral("t")}));
    // Lone CR and lone LF end a field like CR LF.
    EXPECT_EQ(allFields("a\rb\nc"),
              QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    // A final comma gives no field; a comma before a line end gives an empty one.
    EXPECT_EQ(allFields("x,"), QStringList({QStringLiteral("x")}));
    EXPECT_EQ(allFields("x,\r\n"), QStringList({QStringLiteral("x"), QString()}));
    EXPECT_EQ(allFields("\"open, never closed"),
              QStringList({QStringLiteral("open, never closed")}));
    EXPECT_TRUE(allFields("").isEmpty());
    // A stray lead byte does not eat the comma or quote after it.
    EXPECT_EQ(allFields("\x82,\"\x82\",z"),
              QStringList({QStringLiteral("・"), QStringLiteral("・"), QStringLiteral("z")}));

    FieldReader reader("only");
    reader.readField();
    EXPECT_EQ(errorNumberOf([&] { reader.readField(); }), err::InputPastEnd);
}

TEST(TextFile, EncodesLinesAndQuotedLinesThatReadBack) {
    EXPECT_EQ(encodeLine(QStringLiteral("[font]ＭＳ ゴシック")),
              QByteArray("[font]\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E\r\n"));
    EXPECT_EQ(encodeLine(QString()), QByteArray("\r\n"));
    const QString path = QStringLiteral("/home/me/a,b 文書😀.txt");
    const QByteArray quoted = encodeQuotedLine(path);
    EXPECT_EQ(quoted, QByteArray("\"/home/me/a,b \x95\xB6\x8F\x91?.txt\"\r\n"));
    EXPECT_EQ(allFields(quoted + encodeQuotedLine(QStringLiteral("x"))),
              QStringList({QStringLiteral("/home/me/a,b 文書?.txt"), QStringLiteral("x")}));
}

TEST(TextFile, ReadWholeFileReportsMissingAndUnreadable) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    writeBytes(path, QByteArray("abc\r\n\x00z", 7));
    EXPECT_EQ(readWholeFile(path), QByteArray("abc\r\n\x00z", 7));
    EXPECT_EQ(errorNumberOf([&] { readWholeFile(dir.filePath(QStringLiteral("none.txt"))); }),
              err::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { readWholeFile(dir.path()); }), err::PathFileAccess);
    EXPECT_EQ(errorNumberOf([&] { readWholeFile(QString()); }), err::PathFileAccess);
}

TEST(TextFile, WriteFileSafelyReplacesWholeOrLeavesOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("doc.txt"));
    writeFileSafely(path, "first version, longer\r\n");
    writeFileSafely(path, "second\r\n");
    EXPECT_EQ(contentOf(path), QByteArray("second\r\n"));

    // Failures: a folder that does not exist, a target that is a folder, and an existing
    // file whose name leaves no room for a temporary name beside it.
    EXPECT_EQ(
        errorNumberOf([&] { writeFileSafely(dir.filePath(QStringLiteral("no/such/x.txt")), "x"); }),
        err::PathNotFound);
    const QString sub = dir.filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkdir(sub));
    writeBytes(sub + QStringLiteral("/inner.txt"), "keep");
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(sub, "x"); }), err::PathFileAccess);
    EXPECT_EQ(contentOf(sub + QStringLiteral("/inner.txt")), QByteArray("keep"));

    const QString longPath = dir.filePath(QString(255, u'n'));
    writeBytes(longPath, "old content");
    ASSERT_EQ(contentOf(longPath), QByteArray("old content"));
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(longPath, "new"); }), err::PathFileAccess);
    EXPECT_EQ(contentOf(longPath), QByteArray("old content"));

    // Nothing is left behind by the failed writes.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 2);
}
