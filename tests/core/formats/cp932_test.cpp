// The code page 932 codec against a reference table of what Windows decodes and writes.
#include "core/formats/cp932.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>
#include <utility>

using namespace pukana;

namespace {

QByteArray codeBytes(uint code) {
    return code > 0xFF ? QByteArray(1, char(code >> 8)).append(char(code))
                       : QByteArray(1, char(code));
}

} // namespace

TEST(Cp932, MatchesReferenceTableBothWays) {
    // Lines "code unicode written", hex; written is the code Windows picks for the character.
    QFile file(QStringLiteral(PUKANA_TEST_DATA_DIR "/cp932/table.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QSet<uint> known;
    QByteArray allBytes;
    QString allText;
    while (!file.atEnd()) {
        const QList<QByteArray> cols = file.readLine().trimmed().split(' ');
        if (cols.size() != 3 || cols[0].startsWith('#'))
            continue;
        const uint code = cols[0].toUInt(nullptr, 16);
        const char16_t unicode = char16_t(cols[1].toUInt(nullptr, 16));
        const QString text(QChar{unicode});
        known.insert(code);
        EXPECT_EQ(cp932::decode(codeBytes(code)), text) << std::hex << code;
        EXPECT_EQ(cp932::encode(text), codeBytes(cols[2].toUInt(nullptr, 16))) << cols[1].data();
        EXPECT_TRUE(cp932::canEncode(unicode)) << cols[1].data();
        allBytes += codeBytes(code);
        allText += text;
    }
    ASSERT_GT(known.size(), 9000);
    // The same in one run, so the decoder keeps its place across every kind of code.
    EXPECT_EQ(cp932::decode(allBytes), allText);
    EXPECT_EQ(cp932::decode(cp932::encode(allText)), allText);

    // Every other byte pair is no character: one default character for both bytes.
    QByteArray unknown;
    for (uint lead = 0x81; lead <= 0xFC; ++lead)
        for (uint trail = 0x40; trail <= 0xFC; ++trail)
            if ((lead < 0xA0 || lead > 0xDF) && trail != 0x7F && !known.contains(lead << 8 | trail))
                unknown += codeBytes(lead << 8 | trail);
    EXPECT_EQ(cp932::decode(unknown), QString(unknown.size() / 2, u'・'));
}

TEST(Cp932, LookAlikesAreWrittenButNeverRead) {
    // Characters other systems use for glyphs code page 932 holds under another code point.
    const std::pair<char16_t, const char*> lookAlikes[] = {
        {0x301C, "\x81\x60"},
        {0x2212, "\x81\x7C"},
    };
    for (const auto& [ch, code] : lookAlikes) {
        const QString text(QChar{ch});
        EXPECT_EQ(cp932::encode(text), QByteArray(code)) << std::hex << int(ch);
        // Reading stays Windows' table: the code gives Windows' character, not the look-alike.
        EXPECT_NE(cp932::decode(code), text);
        EXPECT_EQ(cp932::encode(cp932::decode(code)), QByteArray(code));
    }
}

TEST(Cp932, UnencodableTextAndUndecodableBytes) {
    // ¥ looks encodable but is not: Windows has no exact code for it. A lone surrogate is
    // one '?' too, at the end and before another character.
    EXPECT_EQ(cp932::encode(u"a😀b¥c😀"), QByteArray("a?b?c?"));
    EXPECT_EQ(cp932::encode(QStringView(u"\xDE00y\xD83Dz\xD83D")), QByteArray("?y?z?"));
    EXPECT_FALSE(cp932::canEncode(0x1F600) || cp932::canEncode(0xD800));
    QString samples;
    EXPECT_EQ(cp932::countUnencodable(u"あ😀い¥う😀€", &samples, 3), 4);
    EXPECT_EQ(samples, QStringLiteral("😀¥😀"));
    EXPECT_EQ(cp932::countUnencodable(u"漢字ｶﾅ～"), 0);

    // A stray lead byte never swallows the ASCII byte after it; a trail byte that is no
    // character takes both bytes, as Windows does.
    EXPECT_EQ(cp932::decode("\x82\r\nx\x82\"a,\x82,\x82\x7F"
                            "\x81\xAD"
                            "a\x82\xA0"
                            "A\x82"),
              QStringLiteral("・\r\nx・\"a,・,・\x7F・aあA・"));
}
