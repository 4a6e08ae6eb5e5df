// The conversion engine on a thread of its own, so neither loading its model nor a slow
// conversion ever holds up the window.
#pragma once

#include "core/conversion/sentence_converter.h"

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace pukana {

class BackgroundSentenceEngine : public SentenceConverter {
public:
    enum class State { NotStarted, Loading, Ready, Unavailable };

    /// `modelDir` as for loadSentenceEngine. nbest() waits at most `waitLimit` for an answer;
    /// a negative limit waits until the answer is there.
    BackgroundSentenceEngine(QString modelDir, std::chrono::milliseconds waitLimit);
    /// The same with the engine made by `load` on the engine's thread (null: unavailable).
    using Loader = std::function<std::unique_ptr<SentenceConverter>()>;
    BackgroundSentenceEngine(Loader load, std::chrono::milliseconds waitLimit);
    /// Never waits for a conversion under way: the engine's thread then finishes it alone
    /// and ends (or ends with the process).
    ~BackgroundSentenceEngine() override;

    /// Starts loading the model on the engine's thread; later calls do nothing.
    void startLoading();

    /// Starts loading when not started, then waits up to the limit for the conversions of
    /// `reading`. Empty when the engine is unavailable or did not answer in time; the late
    /// answer is kept, so asking again for the same reading gets it at once.
    QStringList nbest(const QString& reading, int n) override;

    /// Waits until the model is loaded or has failed; true when it is loaded.
    bool waitUntilLoaded();

    State state() const;

    /// What the engine's thread and this object both use (defined in the source).
    struct Shared;

private:
    const Loader load_;
    const std::chrono::milliseconds waitLimit_;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

} // namespace pukana
