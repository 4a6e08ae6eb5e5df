// The code page 932 codec against a reference table and the mappings Windows is known for.
#include "platform/cp932.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

using namespace pukana;

namespace {

QByteArray codeBytes(uint code) {
    QByteArray b;
    if (code > 0xFF)
        b.append(char(code >> 8));
    b.append(char(code & 0xFF));
    return b;
}

QString hex(const QByteArray& b) {
    return QString::fromLatin1(b.toHex(' '));
}

struct Entry {
    uint code;
    char16_t unicode;
    uint written;
};

QList<Entry> referenceTable() {
    QFile file(QStringLiteral(PUKANA_TEST_DATA_DIR "/cp932/table.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QList<Entry> entries;
    while (!file.atEnd()) {
        const QList<QByteArray> cols = file.readLine().trimmed().split(' ');
        if (cols.size() != 3 || cols[0].startsWith('#'))
            continue;
        entries.append({cols[0].toUInt(nullptr, 16), char16_t(cols[1].toUInt(nullptr, 16)),
                        cols[2].toUInt(nullptr, 16)});
    }
    return entries;
}

} // namespace

TEST(Cp932, ConverterIsPresent) {
    EXPECT_TRUE(cp932::available());
}

TEST(Cp932, MatchesReferenceTableBothWays) {
    const QList<Entry> table = referenceTable();
    ASSERT_GT(table.size(), 9000);
    QSet<uint> known;
    QByteArray allBytes;
    QString allText;
    for (const Entry& e : table) {
        known.insert(e.code);
        const QByteArray bytes = codeBytes(e.code);
        const QString text(QChar(e.unicode));
        EXPECT_EQ(cp932::decode(bytes), text) << qPrintable(hex(bytes));
        EXPECT_EQ(cp932::encode(text), codeBytes(e.written)) << std::hex << int(e.unicode);
        EXPECT_TRUE(cp932::canEncode(e.unicode)) << std::hex << int(e.unicode);
        allBytes += bytes;
        allText += text;
    }
    // The same in one run, so the decoder keeps its place across every kind of code.
    EXPECT_EQ(cp932::decode(allBytes), allText);
    EXPECT_EQ(cp932::decode(cp932::encode(allText)), allText);

    // Every other byte pair is no character: one default character for both bytes.
    for (uint lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF)
            continue;
        for (uint trail = 0x40; trail <= 0xFC; ++trail) {
            const uint code = (lead << 8) | trail;
            if (trail == 0x7F || known.contains(code))
                continue;
            EXPECT_EQ(cp932::decode(codeBytes(code)), QStringLiteral("・")) << std::hex << code;
        }
    }
}

TEST(Cp932, KnownWindowsMappings) {
    const struct {
        QByteArray bytes;
        char16_t unicode;
    } cases[] = {
        {"\x81\x60", 0xFF5E}, // full-width tilde, not the wave dash U+301C
        {"\x81\x5F", 0xFF3C}, {"\x81\x7C", 0xFF0D}, {"\x81\x61", 0x2225}, {"\x81\x91", 0xFFE0},
        {"\x5C", 0x005C},     {"\x7E", 0x007E},     {"\x1A", 0x001A},     {"\x1C", 0x001C},
        {"\x7F", 0x007F},     {"\x80", 0x0080},     {"\xA0", 0xF8F0},     {"\xA1", 0xFF61},
        {"\xB1", 0xFF71},     {"\xDF", 0xFF9F},     {"\xFD", 0xF8F1},     {"\xFF", 0xF8F3},
        {"\x87\x40", 0x2460}, {"\xF0\x40", 0xE000}, {"\xF9\xFC", 0xE757},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp932::decode(c.bytes), QString(QChar(c.unicode))) << qPrintable(hex(c.bytes));
        EXPECT_EQ(cp932::encode(QString(QChar(c.unicode))), c.bytes) << std::hex << int(c.unicode);
    }
    // Characters with several codes get the one Windows writes.
    EXPECT_EQ(cp932::encode(u"\u2252"), QByteArray("\x81\xE0")); // not NEC row 13's 0x8790
    EXPECT_EQ(cp932::encode(u"\u2160"), QByteArray("\x87\x54")); // not IBM 0xFA4A
    EXPECT_EQ(cp932::encode(u"\u7E8A"), QByteArray("\xFA\x5C")); // not NEC-selected 0xED40
    EXPECT_EQ(cp932::encode(u"\uFFE2"), QByteArray("\x81\xCA")); // not 0xEEF9 or 0xFA54
    EXPECT_EQ(cp932::decode("\xED\x40"), QStringLiteral("纊"));

    const QString japanese = QStringLiteral("かな漢字ｶﾀｶﾅ、「①Ⅰ～」\r\n");
    EXPECT_EQ(cp932::decode(cp932::encode(japanese)), japanese);
}

TEST(Cp932, UnencodableCharactersBecomeOneQuestionMarkEach) {
    // ¥ and the wave dash look encodable but are not: Windows has no exact code for them.
    EXPECT_EQ(cp932::encode(u"a😀b¥\u301Cc"), QByteArray("a?b??c"));
    EXPECT_EQ(cp932::encode(u"😀😀"), QByteArray("??"));
    // Lone surrogates, at the end and before another character.
    EXPECT_EQ(cp932::encode(QStringView(u"x\xD83D")), QByteArray("x?"));
    EXPECT_EQ(cp932::encode(QStringView(u"\xDE00y\xD83Dz")), QByteArray("?y?z"));
    EXPECT_EQ(cp932::encode(QString(QChar(0))), QByteArray(1, '\0'));

    EXPECT_TRUE(cp932::canEncode(U'A'));
    EXPECT_TRUE(cp932::canEncode(0));
    EXPECT_TRUE(cp932::canEncode(U'漢'));
    EXPECT_FALSE(cp932::canEncode(U'¥'));
    EXPECT_FALSE(cp932::canEncode(0x1F600));
    EXPECT_FALSE(cp932::canEncode(0xD800));

    QString samples;
    EXPECT_EQ(cp932::countUnencodable(u"あ😀い¥う😀€", &samples, 3), 4);
    EXPECT_EQ(samples, QStringLiteral("😀¥😀"));
    samples.clear();
    EXPECT_EQ(cp932::countUnencodable(u"漢字ｶﾅ～", &samples), 0);
    EXPECT_TRUE(samples.isEmpty());
    EXPECT_EQ(cp932::countUnencodable(u"😀😀"), 2);
}

TEST(Cp932, StrayLeadBytesNeverSwallowAsciiBytes) {
    EXPECT_EQ(cp932::decode("A\x82"), QStringLiteral("A・"));
    EXPECT_EQ(cp932::decode("\x82\r\nx"), QStringLiteral("・\r\nx"));
    EXPECT_EQ(cp932::decode("\x82\"a,\x82,"), QStringLiteral("・\"a,・,"));
    EXPECT_EQ(cp932::decode("\x82\x7F"), QStringLiteral("・\x7F"));
    // A trail byte that is no character takes both bytes, as Windows does.
    EXPECT_EQ(cp932::decode("\x81\xAD"
                            "a"),
              QStringLiteral("・a"));
    EXPECT_EQ(cp932::decode("\x82\xA0\x82\xA2"), QStringLiteral("あい"));
    EXPECT_EQ(cp932::decode(""), QString());
}
