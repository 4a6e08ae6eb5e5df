// Key grid positions, and how a mode's block of the layout file becomes the key captions.
#include "keyboard/key_layout.h"
#include "platform/cp932.h"
#include "platform/error.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;
using namespace pukana::keyboard;
using namespace Qt::StringLiterals;

namespace {

const QString Dot = QStringLiteral("・");

// A layout file as it lies on disk: code page 932, CR LF after every line.
QByteArray fileOf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += cp932::encode(line) + "\r\n";
    return bytes;
}

QString joined(const QStringList& captions) {
    return captions.join(QString());
}

QStringList sevenLines(const QString& first = QString()) {
    QStringList lines;
    if (!first.isEmpty())
        lines << first;
    while (lines.size() < BlockLines)
        lines << QStringLiteral("あいうえおかきくけこさしすせそ");
    return lines;
}

} // namespace

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

TEST(KeyGrid, KeysTouchWithinGroupsAndRowsWrapAfterFifteen) {
    const double l0 = 1560, t0 = 240;
    const QList<QRectF> keys = keyGrid(QRectF(l0, t0, 450, 450));
    ASSERT_EQ(keys.size(), KeyCount);
    EXPECT_EQ(keys[0], QRectF(l0, t0, 450, 450));
    EXPECT_EQ(keys[4].right(), l0 + 2250);                 // key 5 ends the first group
    EXPECT_EQ(keys[5].left(), l0 + 2280);                  // key 6 after the 30-twip gap
    EXPECT_EQ(keys[14].topLeft(), QPointF(l0 + 6360, t0)); // key 15, both gaps passed
    EXPECT_EQ(keys[15].topLeft(), QPointF(l0, t0 + 450));  // key 16 starts row 2
    EXPECT_EQ(keys[104].topLeft(), QPointF(l0 + 6360, t0 + 6 * 450));
    // A non-square template still gives square keys, its width deciding.
    const QList<QRectF> square = keyGrid(QRectF(0, 0, 300, 200));
    EXPECT_EQ(square[104], QRectF(14 * 300 + 60, 6 * 300, 300, 300));
}

TEST(Captions, LinesAreJoinedThenCutOrPaddedTo105) {
    const QString mode = QStringLiteral("ひらがな");
    // Key i shows character i of the joined lines: a 16-character first line pushes
    // everything one key on, and the joined text's 106th character is dropped.
    QStringList lines = sevenLines(QStringLiteral("あいうえおかきくけこさしすせそX"));
    auto captions = captionsFromBytes(fileOf(QStringList{mode} + lines), mode, u"btn.dat"_s);
    ASSERT_TRUE(captions);
    EXPECT_EQ(captions->size(), KeyCount);
    EXPECT_EQ(captions->at(15), u"X"_s);
    EXPECT_EQ(captions->at(16), u"あ"_s);
    EXPECT_EQ(joined(*captions), lines.join(QString()).left(KeyCount));

    // 100 characters in all: the last five keys show the placeholder.
    lines = sevenLines(QStringLiteral("あいうえおかきくけこ"));
    captions = captionsFromBytes(fileOf(QStringList{mode} + lines), mode, u"btn.dat"_s);
    ASSERT_TRUE(captions);
    EXPECT_EQ(joined(*captions).left(100), lines.join(QString()).left(100));
    EXPECT_EQ(captions->mid(100), QStringList(5, Dot));

    // An empty line adds nothing; blanks and tabs are captions like any other character.
    lines = QStringList{u"ab"_s, QString(), u" \tc"_s, u"d"_s, QString(), QString(), u"e"_s};
    captions = captionsFromBytes(fileOf(QStringList{mode} + lines), mode, u"btn.dat"_s);
    ASSERT_TRUE(captions);
    EXPECT_EQ(captions->mid(0, 7),
              (QStringList{u"a"_s, u"b"_s, u" "_s, u"\t"_s, u"c"_s, u"d"_s, u"e"_s}));
    EXPECT_EQ(captions->at(7), Dot);
}

TEST(Captions, HeaderIsTheFirstLineContainingTheModeName) {
    const QStringList hira = sevenLines(QStringLiteral("ひ"));
    QStringList data = sevenLines(QStringLiteral("アイウエオ"));
    // A data line of the ひらがな block that mentions カタカナ stays in its block, but is also
    // the first line containing カタカナ, so it heads that mode's block.
    QStringList hiraWithName = hira;
    hiraWithName[2] = QStringLiteral("ー[カタカナ]ー");
    const QByteArray bytes = fileOf(QStringList{u"# ひらがな"_s} + hiraWithName +
                                    QStringList{u"[カタカナ] mode"_s} + data);
    auto captions = captionsFromBytes(bytes, u"ひらがな"_s, u"btn.dat"_s);
    ASSERT_TRUE(captions);
    const QString hiraText = hiraWithName.join(QString());
    EXPECT_EQ(joined(*captions).left(hiraText.size()), hiraText);

    captions = captionsFromBytes(bytes, u"カタカナ"_s, u"btn.dat"_s);
    ASSERT_TRUE(captions);
    const QString expected = (hira.mid(3) + QStringList{u"[カタカナ] mode"_s} + data.mid(0, 2))
                                 .join(QString())
                                 .left(KeyCount);
    EXPECT_EQ(joined(*captions).left(expected.size()), expected);

    // Searched exactly: no width or script folding, so ｶﾀｶﾅ and かたかな are not headers.
    const QByteArray other = fileOf(QStringList{u"ｶﾀｶﾅ かたかな"_s} + data);
    EXPECT_FALSE(captionsFromBytes(other, u"カタカナ"_s, u"btn.dat"_s));
    // A mode found nowhere leaves the captions to the caller.
    EXPECT_FALSE(captionsFromBytes(bytes, u"きごう"_s, u"btn.dat"_s));
    EXPECT_FALSE(captionsFromBytes(QByteArray(), u"きごう"_s, u"btn.dat"_s));
}

TEST(Captions, BlockCutShortIsAnErrorNamingTheFile) {
    const QString path = u"/some/where/btn.dat"_s;
    for (const QByteArray& bytes : {fileOf({u"x"_s, u"はんかく"_s}), cp932::encode(u"はんかく"_s),
                                    fileOf(QStringList{u"はんかく"_s} + sevenLines().mid(1))}) {
        try {
            captionsFromBytes(bytes, u"はんかく"_s, path);
            ADD_FAILURE() << "no error for " << bytes.toHex().constData();
        } catch (const PukanaError& e) {
            EXPECT_EQ(e.number(), err::InputPastEnd);
            EXPECT_TRUE(e.description().contains(path));
        }
    }
    // Seven lines, the last one without its line end, are a whole block.
    QByteArray whole = fileOf(QStringList{u"はんかく"_s} + sevenLines());
    whole.chop(2);
    EXPECT_TRUE(captionsFromBytes(whole, u"はんかく"_s, path));
}

TEST(Captions, BadShiftJisBytesStillGiveOneCharacterPerKey) {
    QByteArray bytes = cp932::encode(u"ひらがな\r\n"_s);
    bytes += QByteArray("\x81\x20\xff\xa0\x85\x40\xfc\xfc\x82", 9) + "\r\n";
    bytes += fileOf(sevenLines().mid(1));
    const auto captions = captionsFromBytes(bytes, u"ひらがな"_s, u"btn.dat"_s);
    ASSERT_TRUE(captions);
    ASSERT_EQ(captions->size(), KeyCount);
    for (const QString& c : *captions)
        EXPECT_EQ(c.size(), 1);
    EXPECT_TRUE(joined(*captions).contains(u"あいうえお"_s));
}

TEST(Captions, LoadingReadsTheFileAfreshAndNamesAMissingOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"btn.dat"_s);
    try {
        loadCaptions(path, u"ひらがな"_s);
        ADD_FAILURE() << "no error for a missing file";
    } catch (const PukanaError& e) {
        EXPECT_EQ(e.number(), err::FileNotFound);
        EXPECT_TRUE(e.description().contains(path));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(fileOf(QStringList{u"ひらがな"_s} + sevenLines(u"ん"_s)));
    file.close();
    const auto captions = loadCaptions(path, u"ひらがな"_s);
    ASSERT_TRUE(captions);
    EXPECT_EQ(captions->first(), u"ん"_s);
}
