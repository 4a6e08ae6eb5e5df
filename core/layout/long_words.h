// Finding words too long for any line.
#pragma once

#include <QStringView>

class QTextDocument;

namespace pukana {

/// Words longer than this many UTF-16 units are longer than any line of the editor.
inline constexpr qsizetype kOverlongWord = 10000;

/// Whether `text` holds a stretch of more than `limit` units without a line-break opportunity.
bool hasWordLongerThan(QStringView text, qsizetype limit = kOverlongWord);
/// The same for any paragraph of `doc`.
bool hasWordLongerThan(const QTextDocument& doc, qsizetype limit = kOverlongWord);

} // namespace pukana
