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
            {u"aaaa", 0, u"aa", true, D, 2},
            {u"ab", 50, u"b", false, D, std::nullopt},
            {u"abab", 0, u"", true, D, std::nullopt},
            // Upward searches one character fewer than precede the selection; last one wins.
            {u"abab", 2, u"ab", true, U, std::nullopt},
            {u"abab", 3, u"ab", true, U, 0},
            {u"aaaaa", 5, u"aa", true, U, 2},
            {u"aaaa", 1, u"a", false, U, std::nullopt},
            {u"xab", 99, u"ab", true, U, 1},
            {u"abab", 4, u"", false, U, std::nullopt},
            // The case option; full-width letters fold too, width and kana never do.
            {u"ABC abc aBc", 0, u"abc", false, D, 4},
            {u"ABC abc aBc", 4, u"abc", true, D, std::nullopt},
            {u"ABC abc aBc", 4, u"abc", false, U, 0},
            {u"ABC abc aBc", 11, u"ABC", true, U, 0},
            {u"_ｘＸ", 0, u"Ｘ", false, D, 1},
            {u"__ｘ", 0, u"x", false, D, std::nullopt},
            {u"__カ", 0, u"か", false, D, std::nullopt},
            // Folding keeps what follows ß, ŉ and surrogate pairs (Deseret long I) in place.
            {fold, 0, u"Straße", false, D, 12},
            {fold, 18, u"ŉA", false, U, 7},
            {u"a\U00010428b\U00010400", 0, u"\U00010400", false, D, 4},
            {u"a\U00010428b\U00010400", 4, u"\U00010428", false, U, 1},
        };
    for (const auto& [text, start, what, matchCase, dir, want] : cases)
        EXPECT_EQ(find(dir, text, start, what, matchCase), want) << start;
    EXPECT_EQ(upperSameLength(fold), u"STRAßE ŉABC STRAßE"_s);
    // Lone surrogates pass unchanged.
    const QChar lone[] = {QChar(0xD801), QChar(u'x'), QChar(0xDC28)};
    EXPECT_EQ(upperSameLength(QStringView(lone, 3)), u"\xD801X\xDC28"_s);
}
