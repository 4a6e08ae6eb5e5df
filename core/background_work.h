// The threads that read what the window needs while it is being built (the printer's page,
// the dictionaries): one fewer than the machine has cores, so the window's own thread keeps
// a core of its own instead of taking turns with them.
#pragma once

#include <functional>
#include <future>
#include <memory>

namespace pukana {

/// Queues `job`; jobs start in the order given, on as many threads as there are cores but
/// one (at least one), started as needed and kept until the program ends, which waits for
/// the jobs still queued.
void runInBackground(std::function<void()> job);

/// Runs `work` in the background and hands over its result (or the exception it threw).
template <typename Work> auto inBackground(Work work) -> std::future<decltype(work())> {
    using Result = decltype(work());
    auto task = std::make_shared<std::packaged_task<Result()>>(std::move(work));
    std::future<Result> result = task->get_future();
    runInBackground([task] { (*task)(); });
    return result;
}

} // namespace pukana
