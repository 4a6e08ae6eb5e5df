#include "core/search/find_core.h"

namespace pukana::search {

namespace {

// Upper case of one UTF-16 unit on its own (not part of a pair): its one-to-one mapping;
// a lone surrogate maps to itself.
char16_t upperUnit(char16_t u) {
    if (u < 0x80) // most documents are largely ASCII and Japanese: keep those cases cheap
        return (u >= u'a' && u <= u'z') ? char16_t(u - 0x20) : u;
    if (u >= 0x3000 && u < 0xA000)
        return u; // kana, CJK symbols and kanji have no case
    return char16_t(QChar::toUpper(char32_t(u)));
}

// Upper case of the surrogate pair `high`, `low`: a pair stays a pair, and a mapping that
// left the supplementary planes would not fit, so the pair then stays as it is.
void upperPair(char16_t high, char16_t low, char16_t* out) {
    const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(high, low));
    if (QChar::requiresSurrogates(upper)) {
        out[0] = QChar::highSurrogate(upper);
        out[1] = QChar::lowSurrogate(upper);
    } else {
        out[0] = high;
        out[1] = low;
    }
}

bool startsPair(QStringView text, qsizetype i) {
    return QChar::isHighSurrogate(text[i].unicode()) && i + 1 < text.size() &&
           QChar::isLowSurrogate(text[i + 1].unicode());
}

// True when upperSameLength(`hay`) holds `upperNeedle` at `at`, found without upper-casing
// more of `hay` than the match needs.
bool foldedMatchAt(QStringView hay, qsizetype at, QStringView upperNeedle) {
    const qsizetype n = upperNeedle.size();
    if (at + n > hay.size())
        return false;
    qsizetype i = at;
    qsizetype k = 0;
    if (at > 0 && startsPair(hay, at - 1)) {
        // The match starts on the low half of a pair, which maps with its high half.
        char16_t pair[2];
        upperPair(hay[at - 1].unicode(), hay[at].unicode(), pair);
        if (pair[1] != upperNeedle[0].unicode())
            return false;
        ++i;
        ++k;
    }
    while (k < n) {
        if (startsPair(hay, i)) {
            char16_t pair[2];
            upperPair(hay[i].unicode(), hay[i + 1].unicode(), pair);
            if (pair[0] != upperNeedle[k].unicode() ||
                (k + 1 < n && pair[1] != upperNeedle[k + 1].unicode()))
                return false;
            i += 2;
            k += 2;
        } else {
            if (upperUnit(hay[i].unicode()) != upperNeedle[k].unicode())
                return false;
            ++i;
            ++k;
        }
    }
    return true;
}

bool isHiragana(char16_t u) {
    return u >= 0x3041 && u <= 0x309F;
}

// The index in `needle` of a unit `usable` accepts to look for, -1 when there is none.
// Hiragana are the commonest characters of Japanese text, so any other unit is taken first:
// fewer places then hold it.
template <typename Usable> qsizetype anchorOf(QStringView needle, Usable usable) {
    qsizetype found = -1;
    for (qsizetype k = 0; k < needle.size(); ++k) {
        if (!usable(needle[k]))
            continue;
        if (!isHiragana(needle[k].unicode()))
            return k;
        if (found < 0)
            found = k;
    }
    return found;
}

// The first (downward from `from`) or last start `s` in `hay` where `matchAt(s)` holds,
// looking only at the places where `hay` holds `needle`[`anchor`]: every match holds that
// very unit there. Nothing is copied. When most of those places fail to match (text made of
// the anchor), gives up and returns -2 so the caller searches the plain way.
template <typename MatchAt>
qsizetype findAnchored(QStringView hay, qsizetype from, QStringView needle, qsizetype anchor,
                       Direction direction, MatchAt matchAt) {
    const QChar unit = needle[anchor];
    qsizetype tries = 0;
    auto tooMany = [&tries](qsizetype scanned) { return ++tries > 1024 && tries > scanned / 16; };
    if (direction == Direction::Down) {
        for (qsizetype j = hay.indexOf(unit, from + anchor); j >= 0; j = hay.indexOf(unit, j + 1)) {
            if (matchAt(j - anchor))
                return j - anchor;
            if (tooMany(j - from))
                return -2;
        }
        return -1;
    }
    const qsizetype lastStart = hay.size() - needle.size();
    if (lastStart < 0)
        return -1;
    for (qsizetype j = hay.lastIndexOf(unit, lastStart + anchor); j >= anchor;
         j = j > 0 ? hay.lastIndexOf(unit, j - 1) : -1) {
        if (matchAt(j - anchor))
            return j - anchor;
        if (tooMany(lastStart + anchor - j))
            return -2;
    }
    return -1;
}

// Where `hay` holds `needle` exactly, downward from `from` or the last one.
qsizetype findExact(QStringView hay, qsizetype from, QStringView needle, Direction direction) {
    const qsizetype anchor = anchorOf(needle, [](QChar) { return true; });
    const qsizetype n = needle.size();
    const qsizetype pos =
        findAnchored(hay, from, needle, anchor, direction, [hay, needle, n](qsizetype at) {
            return at + n <= hay.size() && hay.sliced(at, n) == needle;
        });
    if (pos != -2)
        return pos;
    return direction == Direction::Down ? hay.indexOf(needle, from) : hay.lastIndexOf(needle);
}

// Where upperSameLength(`hay`) holds upper-cased `needle`, searching downward from `from` or
// upward for the last one. When the needle has a caseless unit, only the places holding
// that unit are looked at, and the haystack is never copied.
qsizetype findFolded(QStringView hay, qsizetype from, QStringView needle, Direction direction) {
    const QString upperNeedle = upperSameLength(needle);
    const qsizetype anchor = anchorOf(needle, isCaseless);
    if (anchor >= 0) {
        const qsizetype pos =
            findAnchored(hay, from, needle, anchor, direction, [hay, &upperNeedle](qsizetype at) {
                return foldedMatchAt(hay, at, upperNeedle);
            });
        if (pos != -2)
            return pos;
    }
    const QString upperHay = upperSameLength(hay);
    return direction == Direction::Down ? QStringView(upperHay).indexOf(upperNeedle, from)
                                        : QStringView(upperHay).lastIndexOf(upperNeedle);
}

} // namespace

bool isCaseless(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80)
        return !((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z'));
    return u >= 0x3000 && u < 0xA000;
}

QString upperSameLength(QStringView text) {
    QString result(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (startsPair(text, i)) {
            upperPair(text[i].unicode(), text[i + 1].unicode(), out + i);
            ++i;
        } else {
            out[i] = upperUnit(text[i].unicode());
        }
    }
    return result;
}

std::optional<qsizetype> findNext(QStringView text, qsizetype selStart, QStringView findText,
                                  bool matchCase) {
    if (findText.isEmpty())
        return std::nullopt;
    const qsizetype from = qBound<qsizetype>(0, selStart, text.size()) + findText.size();
    if (from > text.size() - findText.size())
        return std::nullopt;
    qsizetype pos;
    if (matchCase) {
        pos = findExact(text, from, findText, Direction::Down);
    } else {
        // Only the part that can hold a match needs upper-casing, but a surrogate pair cut at
        // `from` must be mapped whole, as in the whole text.
        qsizetype start = from;
        if (start > 0 && text[start - 1].isHighSurrogate() && text[start].isLowSurrogate())
            --start;
        pos = findFolded(text.sliced(start), from - start, findText, Direction::Down);
        if (pos >= 0)
            pos += start;
    }
    return pos >= 0 ? std::optional<qsizetype>(pos) : std::nullopt;
}

std::optional<qsizetype> findPrev(QStringView text, qsizetype selStart, QStringView findText,
                                  bool matchCase) {
    if (findText.isEmpty())
        return std::nullopt;
    const qsizetype n = qBound<qsizetype>(0, selStart - 1, text.size());
    if (findText.size() > n)
        return std::nullopt;
    const QStringView head = text.first(n);
    qsizetype pos;
    if (matchCase) {
        pos = findExact(head, 0, findText, Direction::Up);
    } else {
        pos = findFolded(head, 0, findText, Direction::Up);
    }
    return pos >= 0 ? std::optional<qsizetype>(pos) : std::nullopt;
}

std::optional<qsizetype> find(Direction direction, QStringView text, qsizetype selStart,
                              QStringView findText, bool matchCase) {
    return direction == Direction::Down ? findNext(text, selStart, findText, matchCase)
                                        : findPrev(text, selStart, findText, matchCase);
}

QString notFoundMessage(const QString& findText, bool matchCase) {
    QString message = QStringLiteral("[ ") + findText + QStringLiteral(" ]はみつかりません...");
    if (matchCase)
        message = QStringLiteral("【大文字と小文字を区別】\r\n") + message;
    return message;
}

QString directionTitle(Direction direction) {
    return direction == Direction::Down ? QStringLiteral("↓検索") : QStringLiteral("↑検索");
}

QString menuCaption(Direction direction, const QString& findText) {
    QString caption =
        direction == Direction::Down ? QStringLiteral("↓検索(&D)") : QStringLiteral("↑検索(&U)");
    if (!findText.isEmpty())
        caption += QStringLiteral(" [") + findText + u']';
    return caption;
}

} // namespace pukana::search
