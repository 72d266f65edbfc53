#include "platform/step_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace skyfolio {
namespace {

using namespace std::chrono_literals;
using Clock = StepPacer::Clock;

// A clock that moves only when the pacer sleeps or a step costs time.
class PacedSteps : public ::testing::Test {
protected:
    void steps(int count, Clock::duration drawingCost = 0ms) {
        for (int i = 0; i < count; ++i) {
            now += drawingCost;
            pacer.stepDrawn();
        }
    }
    void expectPresentsAFrameApart(size_t from = 0) {
        for (size_t i = from + 1; i < presents.size(); ++i) {
            EXPECT_GE(presents[i] - presents[i - 1], 16ms) << i;
            EXPECT_LE(presents[i] - presents[i - 1], 19ms) << i;
        }
    }

    Clock::time_point now{100s};
    std::vector<Clock::time_point> presents;
    StepPacer pacer{16ms, StepPacer::Hooks{[this] { return now; },
                                           [this](Clock::time_point until) { now = std::max(now, until); },
                                           [this] { presents.push_back(now); }}};
};

TEST_F(PacedSteps, OneStepAMillisecondShownOncePerFrame) {
    const Clock::time_point start = now;
    steps(640);
    EXPECT_EQ(now - start, 640ms);  // a 640-pixel Left wipe
    ASSERT_EQ(presents.size(), 40u);
    EXPECT_EQ(presents.front(), start);  // the first step is seen at once
    expectPresentsAFrameApart();
}

TEST_F(PacedSteps, ANewTransitionStartsAfreshAfterAPause) {
    steps(100);
    now += 10s;
    const Clock::time_point start = now;
    const size_t before = presents.size();
    steps(100);
    EXPECT_EQ(now - start, 100ms);  // no burst to make up for the pause
    EXPECT_EQ(presents[before], start);
    expectPresentsAFrameApart(before);
}

TEST_F(PacedSteps, SlowDrawingIsNeitherDelayedNorRushed) {
    const Clock::time_point start = now;
    steps(100, 3ms);
    EXPECT_EQ(now - start, 301ms);  // only the first step waits out its turn
    expectPresentsAFrameApart();
    EXPECT_GE(presents.size(), 16u);
}

}  // namespace
}  // namespace skyfolio
