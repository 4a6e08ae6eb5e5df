// Reading lines and fields, writing lines, and whole-file reads and safe writes: only regular
// files are read and nothing waits; safe saves keep what the user set on the file and say
// exactly why they failed.
#include "core/error.h"
#include "core/formats/text_file.h"
#include "tests/support/scratch_mount.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace pukana;
using pukana::test::ScratchMount;
using namespace Qt::StringLiterals;

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

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
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

    // Empty input has no field; reading past the end is an error.
    FieldReader fieldReader("");
    EXPECT_TRUE(fieldReader.atEnd());
    EXPECT_EQ(errorNumberOf([&] { fieldReader.readField(); }), err::InputPastEnd);
}

TEST(TextFile, ReadsWholeFilesAndWritesSafely) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.txt"));
    writeFileSafely(path, "first version, longer\r\n");
    writeFileSafely(path, QByteArray("abc\r\n\x00z", 7));
    EXPECT_EQ(readWholeFile(path), QByteArray("abc\r\n\x00z", 7));

    // Failed writes: a missing folder, a target that is a folder. A name of the longest length
    // still saves (the temporary name beside it is short).
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(dir.filePath(QStringLiteral("no/x")), "x"); }),
              err::PathNotFound);
    const QString sub = dir.filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkdir(sub));
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(sub, "x"); }), err::PathFileAccess);
    const QString longPath = dir.filePath(QString(255, u'n'));
    writeRaw(longPath, "old content");
    writeFileSafely(longPath, "new");
    EXPECT_EQ(readWholeFile(longPath), QByteArray("new"));
    // Nothing is left behind by the failed writes.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 2);
}

#ifdef Q_OS_UNIX

TEST(FileSafety, DataFileBoundsAndSavesOverNonRegularFiles) {
    // Opening devices, FIFOs and folders is the window's own test; here: size bounds, and
    // saving over a FIFO is refused and leaves it alone.
    QTemporaryDir dir;
    const QString fifo = dir.filePath(u"pipe"_s);
    ASSERT_EQ(::mkfifo(qPrintable(fifo), 0600), 0);
    const QString big = dir.filePath(u"big.dat"_s);
    writeRaw(big, QByteArray(70 << 10, 'x'));
    EXPECT_EQ(errorNumberOf([&] { readWholeFile(big, 64 << 10); }), err::FileTooLarge);
    EXPECT_EQ(readWholeFile(big, 70 << 10).size(), 70 << 10);
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(fifo, "x"); }), err::NotRegularFile);
    try {
        readWholeFile(fifo);
        ADD_FAILURE() << "a FIFO was read";
    } catch (const PukanaError& e) {
        EXPECT_TRUE(e.description().contains(fifo));
    }
}

TEST(FileSafety, SaveThroughALinkKeepsLinkAndPermissions) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"private.txt"_s);
    writeRaw(path, "old");
    ASSERT_EQ(::chmod(qPrintable(path), 0640), 0);
    const QString link = dir.filePath(u"shortcut.txt"_s);
    ASSERT_EQ(::symlink("private.txt", qPrintable(link)), 0);
    writeFileSafely(link, "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readWholeFile(path), QByteArray("new"));
    EXPECT_EQ(QFileInfo(path).permissions() & QFile::ReadGroup, QFile::ReadGroup); // not 0600
}

TEST(FileSafety, FailuresSayWhyAndKeepTheOldFile) {
    QTemporaryDir dir;
    EXPECT_EQ(errorNumberOf([&] { readWholeFile(dir.filePath(u"none"_s)); }), err::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { writeFileSafely(dir.filePath(QString(300, u'n')), "x"); }),
              err::NameTooLong);
    ScratchMount full(64);
    if (full.ok()) {
        const QString path = full.filePath(u"doc.txt"_s);
        writeRaw(path, "old");
        EXPECT_EQ(errorNumberOf([&] { writeFileSafely(path, QByteArray(1 << 20, 'x')); }),
                  err::DiskFull);
        EXPECT_EQ(readWholeFile(path), QByteArray("old")); // the old file stays whole
    }
    ScratchMount readOnly(64);
    if (readOnly.ok()) {
        writeRaw(readOnly.filePath(u"doc.txt"_s), "old");
        ASSERT_TRUE(readOnly.makeReadOnly());
        EXPECT_EQ(errorNumberOf([&] { writeFileSafely(readOnly.filePath(u"doc.txt"_s), "new"); }),
                  err::ReadOnlyFileSystem);
    }
    if (!full.ok() || !readOnly.ok())
        GTEST_SKIP() << "tmpfs cannot be mounted here: disk-full and read-only cases not run";
}

#endif
