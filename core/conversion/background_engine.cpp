#include "core/conversion/background_engine.h"

#include <condition_variable>
#include <mutex>

namespace pukana {

namespace {

struct Request {
    QString reading;
    int n = 0;
    bool operator==(const Request&) const = default;
};

} // namespace

struct BackgroundSentenceEngine::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    State state = State::NotStarted;
    bool stopping = false;
    bool hasPending = false;
    Request pending;
    bool working = false;
    Request current; // what the engine converts while working
    bool hasAnswer = false;
    Request answered;
    QStringList answer;

    bool hasAnswerFor(const Request& request) const { return hasAnswer && answered == request; }
};

namespace {

// The engine's thread. It holds the shared state itself, so it may outlive the object.
void serve(std::shared_ptr<BackgroundSentenceEngine::Shared> shared,
           BackgroundSentenceEngine::Loader load) {
    using State = BackgroundSentenceEngine::State;
    // The engine lives and dies on this thread: it is never used by two threads.
    std::unique_ptr<SentenceConverter> engine = load();
    std::unique_lock lock(shared->mutex);
    shared->state = engine ? State::Ready : State::Unavailable;
    shared->changed.notify_all();
    while (engine) {
        shared->changed.wait(lock, [&] { return shared->stopping || shared->hasPending; });
        if (shared->stopping)
            break;
        const Request request = shared->pending;
        shared->hasPending = false;
        shared->working = true;
        shared->current = request;
        lock.unlock();
        QStringList conversions = engine->nbest(request.reading, request.n);
        lock.lock();
        shared->answered = request;
        shared->answer = std::move(conversions);
        shared->hasAnswer = true;
        shared->working = false;
        shared->changed.notify_all();
    }
    lock.unlock();
    engine.reset();
}

} // namespace

BackgroundSentenceEngine::BackgroundSentenceEngine(QString modelDir,
                                                   std::chrono::milliseconds waitLimit)
    : BackgroundSentenceEngine([dir = std::move(modelDir)] { return loadSentenceEngine(dir); },
                               waitLimit) {}

BackgroundSentenceEngine::BackgroundSentenceEngine(Loader load, std::chrono::milliseconds waitLimit)
    : load_(std::move(load)), waitLimit_(waitLimit), shared_(std::make_shared<Shared>()) {}

BackgroundSentenceEngine::~BackgroundSentenceEngine() {
    bool busy = false;
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->stopping = true;
        busy = shared_->working;
    }
    shared_->changed.notify_all();
    if (!thread_.joinable())
        return;
    // Some readings take libkkc seconds; closing the editor must not wait for them.
    if (busy)
        thread_.detach();
    else
        thread_.join();
}

void BackgroundSentenceEngine::startLoading() {
    const std::lock_guard lock(shared_->mutex);
    if (shared_->state != State::NotStarted)
        return;
    if (!sentenceEngineBuiltIn()) {
        shared_->state = State::Unavailable;
        return;
    }
    shared_->state = State::Loading;
    thread_ = std::thread(serve, shared_, load_);
}

QStringList BackgroundSentenceEngine::nbest(const QString& reading, int n) {
    startLoading();
    const Request request{reading, n};
    Shared& s = *shared_;
    std::unique_lock lock(s.mutex);
    if (s.state == State::Unavailable)
        return {};
    if (!s.hasAnswerFor(request)) {
        // Only the newest question waits for the engine; an older one no longer matters.
        if (!(s.working && s.current == request)) {
            s.pending = request;
            s.hasPending = true;
            s.changed.notify_all();
        }
        const auto done = [&] { return s.hasAnswerFor(request) || s.state == State::Unavailable; };
        if (waitLimit_.count() < 0)
            s.changed.wait(lock, done);
        else
            s.changed.wait_for(lock, waitLimit_, done);
    }
    return s.hasAnswerFor(request) ? s.answer : QStringList();
}

bool BackgroundSentenceEngine::waitUntilLoaded() {
    startLoading();
    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait(lock, [this] {
        return shared_->state == State::Ready || shared_->state == State::Unavailable;
    });
    return shared_->state == State::Ready;
}

BackgroundSentenceEngine::State BackgroundSentenceEngine::state() const {
    const std::lock_guard lock(shared_->mutex);
    return shared_->state;
}

} // namespace pukana
