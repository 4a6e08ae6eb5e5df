// The reader's text-only path (rtf::readText, which `pukana-rtf totext` uses) gives exactly
// the text of the document rtf::read builds, on real files and on inputs of every odd shape.
#include "core/error.h"
#include "core/formats/plain_text.h"
#include "core/formats/rtf_reader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace pukana;

namespace {

QString documentText(QByteArrayView source) {
    QTextDocument doc;
    rtf::read(source, doc);
    return doc.toRawText();
}

// The text-only path against the document's text, with the source when they differ.
::testing::AssertionResult sameText(QByteArrayView source) {
    if (rtf::readText(source) == documentText(source))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << source.toByteArray().left(200).toStdString();
}

QStringList rtfFilesIn(const QString& folder) {
    QStringList paths;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.rtf")}, QDir::Files))
        paths << folder + u'/' + name;
    return paths;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pieces that random documents are made of: formats, paragraph words, script words, fonts
// in other code pages, escapes (cut-off ones too), destinations, fields, tables, braces.
const QList<QByteArray> kPieces =
    QByteArray("{|}|}|\\b |\\b0 |\\i |\\ul |\\strike |\\cf1 |\\fs40 |\\plain |\\par |\\par\r\n|"
               "\\pard |\\qc |\\qr |\\line |\\tab |\\v |\\v0 |\\f0 |\\f1 |\\f2 |\\f9 |\\loch |"
               "\\hich |\\dbch |\\af1 |\\afs30 |\\ab |\\rtlch |\\ltrch |\\'82|\\'a0|\\'95\\'5c|"
               "\\'e9|\\'0d|\\'0a|\\'00|\x82\xa0|\x95\\|\x82|abc |x|\\u12354?|\\u-10179?|"
               "\\u-8704?|\\u8233?|\\u-563?|\\u0 |\\uc0 |\\uc2 |\\~|\\_|\\\\|\\{|\\}|\\*\\x |"
               "{\\*\\fldinst HYPERLINK a}|{\\fldrslt r}|\\trowd |\\cell |\\row |\\bin3 {}\\|"
               "\\emdash |\\ansicpg1252 |\\'|\\u|\t|\r\n|\\\r\n")
        .split('|');

QByteArray randomDocument(QRandomGenerator& random) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 M;}"
                     "{\\f1\\fcharset0 Latin;}{\\f2\\fcharset134 C;}}{\\colortbl;\\red255;}";
    const int pieces = random.bounded(1, 80);
    for (int i = 0; i < pieces; ++i)
        rtf += kPieces[random.bounded(int(kPieces.size()))];
    if (random.bounded(2))
        rtf += '}';
    return rtf;
}

} // namespace

TEST(RtfTextOnly, GivesTheDocumentsTextForEveryInput) {
    QStringList files = rtfFilesIn(QStringLiteral(PUKANA_TEST_DATA_DIR "/rtf"));
    files += rtfFilesIn(QStringLiteral(PUKANA_SOURCE_DIR "/fuzz/corpus/rtf"));
    ASSERT_GE(files.size(), 10);
    // `pukana-rtf totext` writes the document's text as the editor saves it.
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    for (const QString& path : files) {
        const QByteArray bytes = fileBytes(path);
        EXPECT_TRUE(sameText(bytes)) << path.toStdString();
        ASSERT_EQ(QProcess::execute(QStringLiteral(PUKANA_BINARY_DIR "/tools/pukana-rtf"),
                                    {QStringLiteral("totext"), path, out}),
                  0)
            << path.toStdString();
        EXPECT_EQ(fileBytes(out), encodePlainText(documentText(bytes)).bytes) << path.toStdString();
    }

    // Shapes that once were slow, and damaged ends: paragraph ends with nothing after them,
    // a lead byte cut off at the end or by a format change, deep and unbalanced nesting.
    const QByteArray shapes[] = {
        "{\\rtf1 " + QByteArray("{\\b x}{\\i y}").repeated(500) + "}",
        "{\\rtf1 " + QByteArray("{x}").repeated(2000) + "}",
        "{\\rtf1 \\par a\\par\\par}",
        "{\\rtf1 a\\'82{\\b \\'a0}b\\'82}",
        "{\\rtf1 a\x82",
        "{\\rtf1 " + QByteArray(3000, '{') + "deep\\par" + QByteArray(2000, '}'),
        "{\\rtf1 a}}}b\\par}c",
        "{\\rtf1{\\fonttbl{\\f0\\fcharset128 \\'82\\'a0;}}\\f0\\dbch\\af0 \\'82\\'a0abc\\loch d}",
    };
    for (const QByteArray& shape : shapes)
        EXPECT_TRUE(sameText(shape));

    QRandomGenerator random(17); // the same documents on every run
    for (int i = 0; i < 3000; ++i)
        ASSERT_TRUE(sameText(randomDocument(random))) << "document " << i;

    EXPECT_THROW(rtf::readText("plain text"), PukanaError);
}
