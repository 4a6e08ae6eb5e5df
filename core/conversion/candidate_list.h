// The conversion candidate list, shared by the editor's list and the pukana-convert tool so
// the two always agree.
#pragma once

#include <QString>
#include <QStringList>

namespace pukana {

class Dictionary;
class SentenceConverter;

/// Most conversions of the engine the list offers.
inline constexpr int EngineCandidateLimit = 5;
/// Longest part of a reading the engine converts in one piece.
inline constexpr qsizetype EngineReadingLimit = 200;

/// What the engine is asked to convert for `reading`: its first EngineReadingLimit
/// characters (never half a surrogate pair), katakana turned into hiragana, the only kana
/// the engine knows readings in.
QString engineReading(const QString& reading);

/// The candidates for a non-empty reading, in list order: the dictionary candidates
/// (henkanCandidates, unchanged), then up to EngineCandidateLimit conversions of the whole
/// reading by `engine` when there is one, best first, leaving out any already listed and
/// the reading itself. Past EngineReadingLimit the rest of the reading follows each
/// conversion unchanged, so committing one loses nothing.
QStringList conversionCandidates(const QString& reading, const Dictionary& dic,
                                 SentenceConverter* engine);

} // namespace pukana
