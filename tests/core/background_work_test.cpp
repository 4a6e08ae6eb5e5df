#include "core/background_work.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace pukana;

TEST(BackgroundWork, LeavesACoreToTheWindowAndHandsOverResultsAndErrors) {
    const unsigned cores = std::thread::hardware_concurrency();
    const int allowed = cores > 2 ? int(cores) - 1 : 1;
    std::atomic<int> running{0}, most{0};
    std::vector<std::future<int>> results;
    for (int i = 0; i < 3 * allowed + 2; ++i)
        results.push_back(inBackground([&running, &most, i] {
            const int now = ++running;
            int seen = most.load();
            while (now > seen && !most.compare_exchange_weak(seen, now)) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(15));
            --running;
            return i * i;
        }));
    for (int i = 0; i < int(results.size()); ++i)
        EXPECT_EQ(results[i].get(), i * i);
    EXPECT_GE(most.load(), 1);
    EXPECT_LE(most.load(), allowed);

    std::future<int> failing = inBackground([]() -> int { throw std::runtime_error("gone"); });
    EXPECT_THROW(failing.get(), std::runtime_error);
    // The threads go on after a job that threw.
    EXPECT_EQ(inBackground([] { return 7; }).get(), 7);
}
