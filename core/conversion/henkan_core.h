// The lookup behind conversion: from a selection to its reading and its candidates.
#pragma once

#include <QString>
#include <QStringList>

namespace pukana {

class Dictionary;

/// The reading of a selection: ASCII and ideographic spaces trimmed from both ends, then one
/// trailing line break ("\r\n", "\n" or U+2029) removed. An empty result means there is
/// nothing to convert (the caller beeps).
QString henkanReading(const QString& selectedText);

/// The candidates for a non-empty reading, in list order: the reading in the other kana script
/// when it starts with あ..ん or ア..ン, then for every slot in order its second field when
/// its first equals the reading and its first field when its second does. Not de-duplicated.
QStringList henkanCandidates(const QString& reading, const Dictionary& dic);

/// Both steps at once.
struct HenkanResult {
    QString reading;        ///< empty: nothing to convert, beep
    QStringList candidates; ///< empty with a reading: no candidate, beep
};

/// The reading of `selectedText` and, when it is not empty, its candidates.
HenkanResult henkan(const QString& selectedText, const Dictionary& dic);

} // namespace pukana
