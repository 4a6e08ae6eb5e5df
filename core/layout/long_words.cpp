#include "core/layout/long_words.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>

namespace pukana {

namespace {

bool isIdeograph(char16_t c) {
    return c >= 0x4E00 && c <= 0x9FFF;
}

bool isAsciiLetterOrDigit(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

/// Whether some stretch of `text` longer than `limit` lacks the break opportunities that
/// need no rules to find: after a line feed, between two ideographs, and before a letter or
/// digit that follows spaces after a letter or digit.
bool mayHaveWordLongerThan(QStringView text, qsizetype limit) {
    qsizetype lastBreak = 0;
    bool spacesAfterWord = false;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const char16_t before = text[i - 1].unicode();
        const char16_t here = text[i].unicode();
        if (before == u'\n' || (isIdeograph(before) && isIdeograph(here)) ||
            (spacesAfterWord && isAsciiLetterOrDigit(here)))
            lastBreak = i;
        else if (i - lastBreak > limit)
            return true;
        if (here == u' ')
            spacesAfterWord = spacesAfterWord || isAsciiLetterOrDigit(before);
        else
            spacesAfterWord = false;
    }
    return text.size() - lastBreak > limit;
}

} // namespace

bool hasWordLongerThan(QStringView text, qsizetype limit) {
    // The rules of line breaking are slow to apply to a whole novel; most text shows it has
    // no over-long word at a glance.
    if (text.size() <= limit || !mayHaveWordLongerThan(text, limit))
        return false;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text.data(), text.size());
    qsizetype last = 0;
    for (qsizetype at = breaks.toNextBoundary(); at >= 0; at = breaks.toNextBoundary()) {
        if (at - last > limit)
            return true;
        last = at;
    }
    return text.size() - last > limit;
}

bool hasWordLongerThan(const QTextDocument& doc, qsizetype limit) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        if (block.length() > limit && hasWordLongerThan(block.text(), limit))
            return true;
    return false;
}

} // namespace pukana
