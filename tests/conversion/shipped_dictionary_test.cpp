// The dictionary installed with the program: its size leaves room for the user's own pairs,
// it is clean code page 932 text, and everyday readings offer the usual word first.
#include "conversion/dictionary.h"
#include "conversion/henkan_core.h"

#include "platform/cp932.h"
#include "platform/text_file.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

QByteArray shippedBytes() {
    return readWholeFile(QStringLiteral(PUKANA_SOURCE_DIR "/data/pukana.dic"));
}

} // namespace

TEST(ShippedDictionaryTest, IsCleanAndLeavesRoomForTheUserDictionary) {
    const QByteArray bytes = shippedBytes();
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_FALSE(bytes.contains("\r\n\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count('\n'));

    Dictionary dic;
    const int pairs = dic.readPairs(bytes, 0);
    EXPECT_LE(pairs, 50000);
    EXPECT_GE(pairs, 40000);
    EXPECT_EQ(pairs, bytes.count('\n')); // one pair a line

    const QRegularExpression reading(u"^[ぁ-ゖー]+$"_s);
    for (int i = 0; i < pairs; ++i) {
        const QString& r = dic.DicFirst()[i];
        const QString& w = dic.DicSecond()[i];
        ASSERT_TRUE(reading.match(r).hasMatch()) << i << " " << r.toStdString();
        ASSERT_FALSE(w.isEmpty()) << i;
        ASSERT_NE(r, w) << i;
        ASSERT_FALSE(w.contains(QChar(0xFFFD)) || w.contains(u',')) << i << " " << w.toStdString();
        ASSERT_EQ(cp932::countUnencodable(w), 0) << i << " " << w.toStdString();
    }
}

TEST(ShippedDictionaryTest, EverydayReadingsGiveTheUsualWordFirst) {
    Dictionary dic;
    dic.readPairs(shippedBytes(), 0);
    const QList<std::pair<QString, QString>> words = {
        {u"かんじ"_s, u"漢字"_s},   {u"にほん"_s, u"日本"_s},       {u"がっこう"_s, u"学校"_s},
        {u"たべる"_s, u"食べる"_s}, {u"たかい"_s, u"高い"_s},       {u"でんしゃ"_s, u"電車"_s},
        {u"いく"_s, u"行く"_s},     {u"あたらしい"_s, u"新しい"_s}, {u"せんせい"_s, u"先生"_s},
        {u"かく"_s, u"書く"_s},
    };
    for (const auto& [r, w] : words) {
        const QStringList list = henkanCandidates(r, dic);
        ASSERT_GE(list.size(), 2) << r.toStdString();
        EXPECT_EQ(list.at(1), w) << r.toStdString() << " -> " << list.at(1).toStdString();
    }
}
