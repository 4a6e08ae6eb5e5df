// Reading the dictionaries in the background while the window is being built, so start-up
// does not wait for it; the result (or its error) is taken where the program reads them.
#pragma once

#include "core/conversion/dictionary.h"

#include <QString>
#include <future>
#include <memory>

namespace pukana {

struct LoadedDictionary {
    std::unique_ptr<Dictionary> dictionary;
    DicReadReport report;
};

/// Starts Dictionary::dicread(`mainDir`, `fallbackDir`) in the background. A preload not
/// taken yet is replaced (after it ends).
void preloadDictionary(const QString& mainDir, const QString& fallbackDir);

/// The preload started for exactly these folders, still running or ended; its get()
/// rethrows the PukanaError it ended with. An invalid future when there is none or it was
/// for other folders (that one is then waited for and dropped). Each preload is taken once.
std::future<LoadedDictionary> takePreloadedDictionary(const QString& mainDir,
                                                      const QString& fallbackDir);

} // namespace pukana
