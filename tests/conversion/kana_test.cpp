#include "conversion/kana.h"

#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

TEST(KanaTest, HiraganaToKatakana) {
    EXPECT_EQ(HIRA2KATA(QString()), QString());
    EXPECT_EQ(HIRA2KATA(u"きゃっと"_s), u"キャット"_s);
    EXPECT_EQ(HIRA2KATA(u"ゐゑを"_s), u"ヰヱヲ"_s);
    EXPECT_EQ(HIRA2KATA(u"ぱぴぷぺぽがぎぐげご"_s), u"パピプペポガギグゲゴ"_s);
    // Outside the table: small わ, ゔ, iteration marks, ー, kanji, punctuation, Latin.
    EXPECT_EQ(HIRA2KATA(u"ゎゔゝゞー"_s), u"ゎゔゝゞー"_s);
    EXPECT_EQ(HIRA2KATA(u"漢字かな、ABC\n"_s), u"漢字カナ、ABC\n"_s);
}

TEST(KanaTest, KatakanaToHiragana) {
    EXPECT_EQ(KATA2HIRA(u"キャット"_s), u"きゃっと"_s);
    EXPECT_EQ(KATA2HIRA(u"コーヒー"_s), u"こーひー"_s);
    EXPECT_EQ(KATA2HIRA(u"ヴァイオリン"_s), u"ヴぁいおりん"_s);
    EXPECT_EQ(KATA2HIRA(u"ヵヶヮヽヾ・"_s), u"ヵヶヮヽヾ・"_s);
    EXPECT_EQ(KATA2HIRA(u"ｶﾅ"_s), u"ｶﾅ"_s);
    EXPECT_EQ(KATA2HIRA(u"ヰヱヲン"_s), u"ゐゑをん"_s);
}

TEST(KanaTest, RoundTripMapsEveryTableCharacterBothWays) {
    const QString hira =
        u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわ"
        u"をん"
        u"ぁぃぅぇぉゃゅょっゐゑがぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ"_s;
    const QString kata = HIRA2KATA(hira);
    ASSERT_EQ(kata.size(), 82);
    for (QChar c : kata)
        EXPECT_TRUE(c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6) << int(c.unicode());
    EXPECT_EQ(KATA2HIRA(kata), hira);
    // Katakana that were there before come back as hiragana.
    EXPECT_EQ(KATA2HIRA(HIRA2KATA(u"ひらがなとカタカナ"_s)), u"ひらがなとかたかな"_s);
}
