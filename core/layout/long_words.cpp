#include "core/layout/long_words.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>

namespace pukana {

bool hasWordLongerThan(QStringView text, qsizetype limit) {
    if (text.size() <= limit)
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
