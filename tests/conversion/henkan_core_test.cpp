#include "conversion/henkan_core.h"

#include "conversion/dictionary.h"
#include "platform/cp932.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pukana;
using namespace Qt::StringLiterals;

namespace {

class HenkanTest : public ::testing::Test {
protected:
    // Main and user dictionary as the user would have them on disk.
    void load(const QString& mainText, const QString& userText) {
        ASSERT_TRUE(dir.isValid());
        write(u"pukana.dic"_s, mainText);
        write(u"pukana2.dic"_s, userText);
        dic.dicread(dir.path());
    }
    void write(const QString& name, const QString& text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(cp932::encode(text));
    }
    QStringList convert(const QString& selection) { return henkan(selection, dic).candidates; }

    QTemporaryDir dir;
    Dictionary dic;
};

} // namespace

TEST_F(HenkanTest, CandidatesFollowDictionaryOrderBothWays) {
    load(u"かんじ,漢字\r\nかな,仮名\r\nカンジ,感じ\r\n"_s, u"幹事,かんじ\r\nかんじ,漢字\r\n"_s);
    EXPECT_EQ(convert(u"かんじ"_s), (QStringList{u"カンジ"_s, u"漢字"_s, u"幹事"_s, u"漢字"_s}));
    // Reverse lookup: a word gives its readings; no other-script form for a kanji.
    EXPECT_EQ(convert(u"漢字"_s), (QStringList{u"かんじ"_s, u"かんじ"_s}));
    // Exact code units: the katakana reading finds only the katakana pair.
    EXPECT_EQ(convert(u"カンジ"_s), (QStringList{u"かんじ"_s, u"感じ"_s}));
    // No kana at the front and no match: nothing (the caller beeps).
    EXPECT_TRUE(convert(u"kanji"_s).isEmpty());
}

TEST_F(HenkanTest, PairWithBothFieldsEqualIsListedTwice) {
    load(u"あ,あ\r\n"_s, QString());
    EXPECT_EQ(convert(u"あ"_s), (QStringList{u"ア"_s, u"あ"_s, u"あ"_s}));
}

TEST_F(HenkanTest, OtherScriptFormOnlyForKanaInRange) {
    load(QString(), QString());
    EXPECT_TRUE(convert(u"ぁいう"_s).isEmpty());
    EXPECT_TRUE(convert(u"ヴァイオリン"_s).isEmpty());
    EXPECT_TRUE(convert(u"ーあ"_s).isEmpty());
    EXPECT_EQ(convert(u"ヮ"_s), QStringList{u"ヮ"_s}); // in range, not in the table
    EXPECT_EQ(convert(u"ヰる"_s), QStringList{u"ゐる"_s});
    EXPECT_EQ(convert(u"んあ"_s), QStringList{u"ンア"_s});
    EXPECT_EQ(convert(u"ンあ"_s), QStringList{u"んあ"_s});
}

TEST(HenkanReadingTest, SpacesTrimmedBeforeOneLineBreakIsRemoved) {
    EXPECT_EQ(henkanReading(u"  かんじ\n"_s), u"かんじ"_s);
    EXPECT_EQ(henkanReading(u"\u3000 かんじ \u3000"_s), u"かんじ"_s);
    EXPECT_EQ(henkanReading(u"\u3000かんじ\r\n\u3000"_s), u"かんじ"_s);
    EXPECT_EQ(henkanReading(u"かんじ\u2029"_s), u"かんじ"_s);
    // The space before the break is inside the trimmed text, so it stays.
    EXPECT_EQ(henkanReading(u"かんじ \n"_s), u"かんじ "_s);
    // Only one break goes; other blanks are not spaces here.
    EXPECT_EQ(henkanReading(u"かんじ\n\n"_s), u"かんじ\n"_s);
    EXPECT_EQ(henkanReading(u"\tかんじ"_s), u"\tかんじ"_s);
    EXPECT_EQ(henkanReading(u"か ん"_s), u"か ん"_s);
    for (const QString& empty : {QString(), u"   "_s, u"\u3000"_s, u"\n"_s, u"\r\n"_s, u" \n"_s})
        EXPECT_TRUE(henkanReading(empty).isEmpty()) << empty.toStdString();
}

TEST_F(HenkanTest, EmptyReadingHasNoCandidatesAndSpacedReadingMatchesNothing) {
    load(u"かんじ,漢字\r\n"_s, QString());
    HenkanResult result = henkan(u"\r\n"_s, dic);
    EXPECT_TRUE(result.reading.isEmpty());
    EXPECT_TRUE(result.candidates.isEmpty());
    EXPECT_EQ(convert(u"  かんじ\r\n"_s), (QStringList{u"カンジ"_s, u"漢字"_s}));
    EXPECT_EQ(convert(u"かんじ \r\n"_s), QStringList{u"カンジ "_s});
}
