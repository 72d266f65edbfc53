#include "saver/transitions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

namespace skyfolio {

void PrintTo(const TransitionStep& s, std::ostream* out) {
    *out << "(" << s.x << ", " << s.y << ", " << s.width << ", " << s.height << ")";
}

namespace {

std::vector<TransitionStep> steps(double transition, int W, int H) {
    const TransitionSteps made(transition, W, H);
    std::vector<TransitionStep> all;
    for (int n = 0; n < made.count(); ++n) all.push_back(made[n]);
    return all;
}

struct Expected {
    int transition;
    int W, H;
    size_t count;
    TransitionStep first, last;
};

void PrintTo(const Expected& e, std::ostream* out) { *out << e.transition << " on " << e.W << "x" << e.H; }

class TransitionStepsTest : public ::testing::TestWithParam<Expected> {};

TEST_P(TransitionStepsTest, CountFirstAndLast) {
    const Expected e = GetParam();
    const auto all = steps(e.transition, e.W, e.H);
    ASSERT_EQ(all.size(), e.count);
    if (all.empty()) return;
    EXPECT_EQ(all.front(), e.first);
    EXPECT_EQ(all.back(), e.last);
}

INSTANTIATE_TEST_SUITE_P(
    Landscape, TransitionStepsTest,
    ::testing::Values(Expected{kLeftWipe, 640, 480, 640, {0, 0, 1, 480}, {0, 0, 640, 480}},
                      Expected{kRightWipe, 640, 480, 640, {639, 0, 1, 480}, {0, 0, 640, 480}},
                      Expected{kRightAndLeftWipe, 640, 480, 320, {319.5, 0, 1, 480}, {0.5, 0, 639, 480}},
                      Expected{kUpAndDownWipe, 640, 480, 240, {0, 239.5, 640, 1}, {0, 0.5, 640, 479}},
                      Expected{kCenterWipe, 640, 480, 480, {240, 239, 160, 1}, {0, 0, 639, 480}},
                      Expected{kHorizontalBlinds, 640, 480, 500, {0, 0, 640, 1}, {0, 480, 640, 20}},
                      Expected{kVerticalBlinds, 640, 480, 660, {0, 0, 1, 480}, {640, 0, 20, 480}}));

INSTANTIATE_TEST_SUITE_P(
    PortraitAndSquare, TransitionStepsTest,
    ::testing::Values(Expected{kRightAndLeftWipe, 3, 45, 1, {1, 0, 1, 45}, {1, 0, 1, 45}},
                      Expected{kUpAndDownWipe, 3, 45, 22, {0, 22, 3, 1}, {0, 1, 3, 43}},
                      Expected{kCenterWipe, 3, 45, 2, {1, 1, 1, 42}, {0, 1, 2, 43}},
                      Expected{kCenterWipe, 30, 30, 29, {14, 14, 1, 1}, {0, 0, 29, 29}},
                      Expected{kCenterWipe, 10, 1, 1, {0, 0, 9, 1}, {0, 0, 9, 1}},
                      // Three bands at rows 0, 20 and 40; the third reaches below the picture.
                      Expected{kHorizontalBlinds, 3, 45, 60, {0, 0, 3, 1}, {0, 40, 3, 20}},
                      Expected{kVerticalBlinds, 19, 7, 20, {0, 0, 1, 7}, {0, 0, 20, 7}}));

INSTANTIATE_TEST_SUITE_P(
    OnePixelWide, TransitionStepsTest,
    ::testing::Values(Expected{kLeftWipe, 1, 50, 1, {0, 0, 1, 50}, {0, 0, 1, 50}},
                      Expected{kRightWipe, 1, 50, 1, {0, 0, 1, 50}, {0, 0, 1, 50}},
                      Expected{kRightAndLeftWipe, 1, 50, 0, {}, {}},
                      Expected{kCenterWipe, 1, 50, 0, {}, {}}, Expected{kCenterWipe, 1, 1, 0, {}, {}},
                      Expected{kUpAndDownWipe, 1, 1, 0, {}, {}},
                      Expected{kVerticalBlinds, 1, 50, 20, {0, 0, 1, 50}, {0, 0, 20, 50}}));

TEST(TransitionStepsTest, BlindsOpenAllBandsTogetherOnePixelPerPass) {
    const auto all = steps(kHorizontalBlinds, 3, 45);
    // Pass 2 starts after the three bands of pass 1.
    EXPECT_EQ(all[2], (TransitionStep{0, 40, 3, 1}));
    EXPECT_EQ(all[3], (TransitionStep{0, 0, 3, 2}));
    int beyondBottom = 0;
    for (const TransitionStep& s : all) beyondBottom += s.y + s.height > 45;
    EXPECT_EQ(beyondBottom, 15);  // passes 6 to 20 of the third band
}

TEST(TransitionStepsTest, StandardAndUnknownIndicesDrawNothing) {
    for (double index : {0.0, 8.0, 9.0, -1.0, 1.5}) EXPECT_TRUE(steps(index, 40, 30).empty()) << index;
}

TEST(TransitionStepsTest, TallPicturesKeepTheirFullHeight) {
    // Beyond 16-bit heights the band is still the picture's height.
    EXPECT_EQ(steps(kRightAndLeftWipe, 2, 40000).front().height, 40000);
    EXPECT_EQ(steps(kCenterWipe, 3, 40000).back(), (TransitionStep{0, 1, 2, 39998}));
}

TEST(RandomTransitionTest, OneOfTheSevenDrawnOnesNeverStandard) {
    std::vector<int> seen(8, 0);
    for (int i = 0; i < 7000; ++i) ++seen[static_cast<size_t>(randomTransition((i + 0.5) / 7000))];
    EXPECT_EQ(seen[kStandard], 0);
    for (int t = kLeftWipe; t <= kVerticalBlinds; ++t) EXPECT_EQ(seen[static_cast<size_t>(t)], 1000) << t;
    EXPECT_EQ(randomTransition(std::nextafter(1.0, 0.0)), kVerticalBlinds);
    EXPECT_EQ(randomTransition(0.5), kUpAndDownWipe);
}

}  // namespace
}  // namespace skyfolio
