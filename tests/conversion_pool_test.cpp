#include "dialog/conversion_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>

namespace skyfolio {
namespace {

using namespace std::chrono_literals;

// Long enough for any machine; a test that waits this long has failed.
constexpr auto kAges = 10s;

TEST(ConversionPoolTest, OutcomesComeInListOrderWhateverOrderTheJobsFinish) {
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    ConversionPool pool(3, 2, [&](size_t i) {
        if (i == 0) released.wait_for(kAges);  // a slow first picture
        if (i == 1) throw std::runtime_error("picture 1 is damaged");
    });
    EXPECT_FALSE(pool.outcome(0, 20ms)) << "the first job cannot be finished yet";
    release.set_value();
    const auto first = pool.outcome(0, kAges), second = pool.outcome(1, kAges), third = pool.outcome(2, kAges);
    ASSERT_TRUE(first && second && third);
    EXPECT_TRUE(first->ok);
    EXPECT_FALSE(second->ok);
    EXPECT_EQ(second->error, "picture 1 is damaged");
    EXPECT_TRUE(third->ok);
}

TEST(ConversionPoolTest, TwoJobsRunAtOnce) {
    std::atomic<int> running = 0;
    std::atomic<bool> together = false;
    ConversionPool pool(2, 2, [&](size_t) {
        ++running;
        const auto giveUp = std::chrono::steady_clock::now() + kAges;
        while (running < 2 && std::chrono::steady_clock::now() < giveUp) std::this_thread::sleep_for(1ms);
        together = running == 2;
    });
    ASSERT_TRUE(pool.outcome(0, kAges) && pool.outcome(1, kAges));
    EXPECT_TRUE(together);
}

TEST(ConversionPoolTest, WhateverAJobThrowsIsItsFailure) {
    for (size_t threads : {1, 0}) {  // without threads the caller runs the jobs
        SCOPED_TRACE(threads);
        ConversionPool pool(2, threads, [](size_t i) {
            if (i == 0) throw std::bad_alloc();
            throw std::invalid_argument("no such picture");
        });
        EXPECT_EQ(pool.outcome(0, kAges)->error, "out of memory");
        EXPECT_EQ(pool.outcome(1, kAges)->error, "no such picture");
    }
}

}  // namespace
}  // namespace skyfolio
