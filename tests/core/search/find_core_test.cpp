// Downward and upward search positions, and case folding that keeps positions.
#include "core/search/find_core.h"

#include <gtest/gtest.h>

using namespace pukana::search;
using namespace Qt::StringLiterals;

TEST(Find, PositionsInBothDirectionsWithAndWithoutCase) {
    constexpr auto D = Direction::Down, U = Direction::Up;
    const char16_t* const fold = u"straße ŉabc STRAßE";
    const std::tuple<const char16_t*, qsizetype, const char16_t*, bool, Direction,
                     std::optional<qsizetype>>
        cases[] = {
            // Downward starts the length of the search text after the selection start.
            {u"abcabc", 0, u"abc", true, D, 3},
            {u"abcabc", 3, u"abc", true, D, std::nullopt},
            {u"abab", 0, u"", true, D, std::nullopt},
            // Upward searches one character fewer than precede the selection; last one wins.
            {u"abab", 2, u"ab", true, U, std::nullopt},
            {u"abab", 3, u"ab", true, U, 0},
            {u"aaaaa", 5, u"aa", true, U, 2},
            // The case option; full-width letters fold too, width and kana never do.
            {u"ABC abc aBc", 0, u"abc", false, D, 4},
            {u"ABC abc aBc", 4, u"abc", true, D, std::nullopt},
            {u"ABC abc aBc", 4, u"abc", false, U, 0},
            {u"_ｘＸ", 0, u"Ｘ", false, D, 1},
            {u"__カ", 0, u"か", false, D, std::nullopt},
            // Folding keeps what follows ß, ŉ and surrogate pairs (Deseret long I) in place.
            {fold, 0, u"Straße", false, D, 12},
            {fold, 18, u"ŉA", false, U, 7},
            {u"a\U00010428b\U00010400", 0, u"\U00010400", false, D, 4},
            // A search text holding kana or punctuation is looked for at that character.
            {u"ａＢあｂあＢ", 0, u"ｂあ", false, D, 3},
            {u"Bあbあ", 4, u"bあ", false, U, 0},
            {u"Bあbあ", 5, u"bあ", false, U, 2},
            {u"あ\U00010428あ\U00010400", 0, u"あ\U00010400", false, D, 3},
            {u"x.y x.Y", 1, u".y", false, D, 5},
        };
    for (const auto& [text, start, what, matchCase, dir, want] : cases)
        EXPECT_EQ(find(dir, text, start, what, matchCase), want) << start;
    // Text made of one character again and again is still searched to its end.
    const QString as = QString(5000, u'a') + u"b"_s;
    EXPECT_EQ(findNext(as, 0, u"aab", true), 4998);
    EXPECT_EQ(findPrev(QString(u"b"_s + QString(5000, u'a')), 5001, u"baa", true), 0);
    EXPECT_EQ(upperSameLength(fold), u"STRAßE ŉABC STRAßE"_s);
    // Lone surrogates pass unchanged.
    const QChar lone[] = {QChar(0xD801), QChar(u'x'), QChar(0xDC28)};
    EXPECT_EQ(upperSameLength(QStringView(lone, 3)), u"\xD801X\xDC28"_s);
}

TEST(Find, CaselessCharactersAreTheirOwnOnlyUpperCase) {
    // The ignoring-case search looks for a caseless character of the search text as it is:
    // that is only sound when no other character upper-cases to it.
    int caseless = 0;
    for (char32_t u = 0; u < 0x10000; ++u) {
        if (QChar::isSurrogate(u))
            continue;
        const QChar c(u);
        const QChar upper = upperSameLength(QStringView(&c, 1))[0];
        if (isCaseless(c)) {
            ++caseless;
            EXPECT_EQ(upper, c) << int(u);
        }
        EXPECT_TRUE(!isCaseless(upper) || upper == c) << int(u);
    }
    EXPECT_GT(caseless, 20000);
}
