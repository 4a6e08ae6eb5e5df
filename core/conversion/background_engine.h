// The conversion engine on a thread of its own, so neither loading its model nor a slow
// conversion ever holds up the window.
#pragma once

#include "core/conversion/sentence_converter.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace pukana {

class BackgroundSentenceEngine : public SentenceConverter {
public:
    enum class State { NotStarted, Loading, Ready, Unavailable };

    /// `modelDir` as for loadSentenceEngine. nbest() waits at most `waitLimit` for an answer;
    /// a negative limit waits until the answer is there.
    BackgroundSentenceEngine(QString modelDir, std::chrono::milliseconds waitLimit);
    /// Waits for the conversion under way, if any.
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

private:
    struct Request {
        QString reading;
        int n = 0;
        bool operator==(const Request&) const = default;
    };

    void run();
    bool answered(const Request& request) const; // with the lock held

    const QString modelDir_;
    const std::chrono::milliseconds waitLimit_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    State state_ = State::NotStarted;
    bool stopping_ = false;
    bool hasPending_ = false;
    Request pending_;
    bool working_ = false;
    Request current_; // what the engine converts while working_
    bool hasAnswer_ = false;
    Request answeredRequest_;
    QStringList answer_;
    std::thread thread_;
};

} // namespace pukana
