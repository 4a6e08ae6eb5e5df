#include "core/conversion/background_engine.h"

namespace pukana {

BackgroundSentenceEngine::BackgroundSentenceEngine(QString modelDir,
                                                   std::chrono::milliseconds waitLimit)
    : modelDir_(std::move(modelDir)), waitLimit_(waitLimit) {}

BackgroundSentenceEngine::~BackgroundSentenceEngine() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void BackgroundSentenceEngine::startLoading() {
    const std::lock_guard lock(mutex_);
    if (state_ != State::NotStarted)
        return;
    if (!sentenceEngineBuiltIn()) {
        state_ = State::Unavailable;
        return;
    }
    state_ = State::Loading;
    thread_ = std::thread([this] { run(); });
}

void BackgroundSentenceEngine::run() {
    // The engine lives and dies on this thread: it is never used by two threads.
    std::unique_ptr<SentenceConverter> engine = loadSentenceEngine(modelDir_);
    std::unique_lock lock(mutex_);
    state_ = engine ? State::Ready : State::Unavailable;
    changed_.notify_all();
    while (engine) {
        changed_.wait(lock, [this] { return stopping_ || hasPending_; });
        if (stopping_)
            break;
        const Request request = pending_;
        hasPending_ = false;
        working_ = true;
        current_ = request;
        lock.unlock();
        QStringList conversions = engine->nbest(request.reading, request.n);
        lock.lock();
        answeredRequest_ = request;
        answer_ = std::move(conversions);
        hasAnswer_ = true;
        working_ = false;
        changed_.notify_all();
    }
    lock.unlock();
    engine.reset();
}

bool BackgroundSentenceEngine::answered(const Request& request) const {
    return hasAnswer_ && answeredRequest_ == request;
}

QStringList BackgroundSentenceEngine::nbest(const QString& reading, int n) {
    startLoading();
    const Request request{reading, n};
    std::unique_lock lock(mutex_);
    if (state_ == State::Unavailable)
        return {};
    if (!answered(request)) {
        // Only the newest question waits for the engine; an older one no longer matters.
        if (!(working_ && current_ == request)) {
            pending_ = request;
            hasPending_ = true;
            changed_.notify_all();
        }
        const auto done = [&] { return answered(request) || state_ == State::Unavailable; };
        if (waitLimit_.count() < 0)
            changed_.wait(lock, done);
        else
            changed_.wait_for(lock, waitLimit_, done);
    }
    return answered(request) ? answer_ : QStringList();
}

bool BackgroundSentenceEngine::waitUntilLoaded() {
    startLoading();
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return state_ == State::Ready || state_ == State::Unavailable; });
    return state_ == State::Ready;
}

BackgroundSentenceEngine::State BackgroundSentenceEngine::state() const {
    const std::lock_guard lock(mutex_);
    return state_;
}

} // namespace pukana
