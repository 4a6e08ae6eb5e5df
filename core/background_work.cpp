#include "core/background_work.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace pukana {

namespace {

class BackgroundThreads {
public:
    ~BackgroundThreads() {
        {
            const std::lock_guard lock(mutex_);
            ending_ = true;
        }
        wake_.notify_all();
        for (std::thread& t : threads_)
            t.join();
    }

    void post(std::function<void()> job) {
        {
            const std::lock_guard lock(mutex_);
            jobs_.push_back(std::move(job));
            if (idle_ == 0 && threads_.size() < limit())
                threads_.emplace_back([this] { serve(); });
        }
        wake_.notify_one();
    }

private:
    static std::size_t limit() {
        const unsigned cores = std::thread::hardware_concurrency();
        return cores > 2 ? cores - 1 : 1;
    }

    void serve() {
        std::unique_lock lock(mutex_);
        for (;;) {
            ++idle_;
            wake_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
            --idle_;
            if (jobs_.empty())
                return; // ending, and nothing left to do
            std::function<void()> job = std::move(jobs_.front());
            jobs_.pop_front();
            lock.unlock();
            job();
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    std::vector<std::thread> threads_;
    std::size_t idle_ = 0;
    bool ending_ = false;
};

BackgroundThreads& threads() {
    static BackgroundThreads instance;
    return instance;
}

} // namespace

void runInBackground(std::function<void()> job) {
    threads().post(std::move(job));
}

} // namespace pukana
