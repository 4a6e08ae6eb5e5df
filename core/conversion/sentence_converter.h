// Whole-reading conversion by a statistical engine, behind an interface of our own so the
// dictionary road and the tests never depend on the engine being there.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace pukana {

class SentenceConverter {
public:
    virtual ~SentenceConverter() = default;

    /// Up to `n` conversions of the whole `reading` (hiragana), best first. Empty when the
    /// engine has none or is not available.
    virtual QStringList nbest(const QString& reading, int n) = 0;
};

/// Whether this build has an engine at all.
bool sentenceEngineBuiltIn();

/// Loads the engine's language model from `modelDir` (a folder holding its metadata.json),
/// or the system's model when `modelDir` is empty. Null when the engine is not built in or
/// the model is missing or broken; nothing is printed. Slow (tens of milliseconds): call it
/// away from the user interface thread. The result is used on one thread at a time.
std::unique_ptr<SentenceConverter> loadSentenceEngine(const QString& modelDir);

} // namespace pukana
