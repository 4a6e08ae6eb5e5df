#include "core/conversion/dictionary_preload.h"

#include "core/background_work.h"

#include <mutex>

namespace pukana {

namespace {

struct Preload {
    QString mainDir;
    QString fallbackDir;
    std::future<LoadedDictionary> result;
};

std::mutex& preloadMutex() {
    static std::mutex m;
    return m;
}

Preload& pending() {
    static Preload p;
    return p;
}

} // namespace

void preloadDictionary(const QString& mainDir, const QString& fallbackDir) {
    const std::lock_guard lock(preloadMutex());
    Preload& p = pending();
    if (p.result.valid())
        p.result.wait(); // never two readers creating the same user dictionary at once
    p.mainDir = mainDir;
    p.fallbackDir = fallbackDir;
    p.result = inBackground([mainDir, fallbackDir] {
        LoadedDictionary loaded{std::make_unique<Dictionary>(), {}};
        loaded.report = loaded.dictionary->dicread(mainDir, fallbackDir);
        return loaded;
    });
}

std::future<LoadedDictionary> takePreloadedDictionary(const QString& mainDir,
                                                      const QString& fallbackDir) {
    const std::lock_guard lock(preloadMutex());
    Preload& p = pending();
    std::future<LoadedDictionary> result = std::move(p.result);
    if (result.valid() && (p.mainDir != mainDir || p.fallbackDir != fallbackDir)) {
        result.wait(); // its files are settled before they are read again
        return {};
    }
    return result;
}

} // namespace pukana
