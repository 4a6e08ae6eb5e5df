// Downward and upward search positions, case folding that keeps positions, and the texts.
#include "search/find_core.h"

#include <gtest/gtest.h>

using namespace pukana::search;
using namespace Qt::StringLiterals;

namespace {
constexpr auto None = std::nullopt;
}

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

TEST(FindNext, StartsLengthOfSearchTextAfterSelectionStart) {
    // From the caret at 0 the occurrence at 0 is passed over.
    EXPECT_EQ(findNext(u"abcabc", 0, u"abc", true), 3);
    EXPECT_EQ(findNext(u"abcabc", 3, u"abc", true), None);
    // Stepping through aaaa: an occurrence starting inside the selected one is skipped.
    EXPECT_EQ(findNext(u"aaaa", 0, u"aa", true), 2);
    EXPECT_EQ(findNext(u"aaaa", 2, u"aa", true), None);
    // A start at or past the end finds nothing and does not fail.
    EXPECT_EQ(findNext(u"ab", 2, u"b", true), None);
    EXPECT_EQ(findNext(u"ab", 50, u"b", false), None);
    EXPECT_EQ(findNext(u"", 0, u"b", false), None);
    EXPECT_EQ(findNext(u"abab", 0, u"", true), None);
}

TEST(FindPrev, SearchesOneCharacterFewerThanPrecedeTheSelection) {
    // Selection at 2 in abab: only "a" is searched, so ab at 0 is not found.
    EXPECT_EQ(findPrev(u"abab", 2, u"ab", true), None);
    EXPECT_EQ(findPrev(u"abab", 3, u"ab", true), 0);
    // The last occurrence wins, overlapping ones included.
    EXPECT_EQ(findPrev(u"aaaaa", 5, u"aa", true), 2);
    EXPECT_EQ(findPrev(u"abcabcabc", 9, u"abc", true), 3);
    for (qsizetype start : {0, 1}) {
        EXPECT_EQ(findPrev(u"aaaa", start, u"a", true), None) << start;
        EXPECT_EQ(findPrev(u"aaaa", start, u"a", false), None) << start;
    }
    // A selection start past the end of the text searches the whole text.
    EXPECT_EQ(findPrev(u"xab", 99, u"ab", true), 1);
    EXPECT_EQ(findPrev(u"abab", 4, u"", false), None);
}

TEST(FindBothWays, CaseOptionDecidesWhetherCaseCounts) {
    const QString text = u"ABC abc aBc"_s;
    EXPECT_EQ(findNext(text, 0, u"abc", false), 4);
    EXPECT_EQ(findNext(text, 4, u"abc", false), 8);
    EXPECT_EQ(findNext(text, 0, u"abc", true), 4);
    EXPECT_EQ(findNext(text, 4, u"abc", true), None);
    EXPECT_EQ(findPrev(text, 11, u"abc", false), 4);
    EXPECT_EQ(findPrev(text, 4, u"abc", false), 0);
    EXPECT_EQ(findPrev(text, 3, u"abc", false), None);
    EXPECT_EQ(findPrev(text, 5, u"ABC", false), 0);
    EXPECT_EQ(findPrev(text, 11, u"ABC", true), 0);
    EXPECT_EQ(find(Direction::Up, text, 11, u"aBc", true), None);
    EXPECT_EQ(find(Direction::Down, text, 0, u"aBc", true), 8);
    // Full-width letters fold too; nothing else does (width, kana).
    EXPECT_EQ(findNext(u"_ｘＸ", 0, u"Ｘ", false), 1);
    EXPECT_EQ(findNext(u"__ｘ", 0, u"x", false), None);
    EXPECT_EQ(findNext(u"__カ", 0, u"か", false), None);
}

TEST(FindBothWays, FoldingKeepsEveryPositionValid) {
    // ß and ŉ have longer full upper cases; folding them one-to-one keeps what follows them
    // at the same position.
    const QString text = u"straße ŉabc STRAßE"_s;
    EXPECT_EQ(upperSameLength(text), u"STRAßE ŉABC STRAßE"_s);
    EXPECT_EQ(findNext(text, 0, u"abc", false), 8);
    EXPECT_EQ(findPrev(text, 18, u"ABC", false), 8);
    EXPECT_EQ(findNext(text, 0, u"Straße", false), 12);
    EXPECT_EQ(findPrev(text, 18, u"ŉA", false), 7);
    // Every other character of the basic plane folds by its own simple mapping.
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        if (QChar::isSurrogate(u))
            continue;
        const QChar c(static_cast<char16_t>(u));
        ASSERT_EQ(upperSameLength(QStringView(&c, 1)), QString(QChar(QChar::toUpper(u))))
            << std::hex << unsigned(u);
    }
    // A supplementary letter is mapped as one character, its pair kept a pair.
    const QString deseret = u"a\U00010428b\U00010400"_s; // small and capital long I
    EXPECT_EQ(upperSameLength(deseret), u"A\U00010400B\U00010400"_s);
    EXPECT_EQ(findNext(deseret, 0, u"\U00010400", false), 4);
    EXPECT_EQ(findPrev(deseret, 4, u"\U00010428", false), 1);
    EXPECT_EQ(findNext(deseret, 0, u"\U00010428", true), None);
    // Lone surrogates pass unchanged.
    const QChar lone[] = {QChar(0xD801), QChar(u'x'), QChar(0xDC28)};
    const QChar upper[] = {QChar(0xD801), QChar(u'X'), QChar(0xDC28)};
    EXPECT_EQ(upperSameLength(QStringView(lone, 3)), QStringView(upper, 3).toString());
}

TEST(FindTexts, MessagesTitlesAndMenuCaptions) {
    EXPECT_EQ(notFoundMessage(u"abc"_s, false), u"[ abc ]はみつかりません..."_s);
    EXPECT_EQ(notFoundMessage(u"aBc"_s, true),
              u"【大文字と小文字を区別】\r\n[ aBc ]はみつかりません..."_s);
    EXPECT_EQ(directionTitle(Direction::Down), u"↓検索"_s);
    EXPECT_EQ(directionTitle(Direction::Up), u"↑検索"_s);
    EXPECT_EQ(menuCaption(Direction::Down, QString()), u"↓検索(&D)"_s);
    EXPECT_EQ(menuCaption(Direction::Up, QString()), u"↑検索(&U)"_s);
    EXPECT_EQ(menuCaption(Direction::Down, u"かな"_s), u"↓検索(&D) [かな]"_s);
    EXPECT_EQ(menuCaption(Direction::Up, u"かな"_s), u"↑検索(&U) [かな]"_s);
}
