#include "saver/fit_to_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace skyfolio {

void PrintTo(const PictureSize& s, std::ostream* out) { *out << s.width << " x " << s.height; }

namespace {

constexpr PictureSize kFullHd{1920, 1080};
constexpr PictureSize kXga{1024, 768};
constexpr PictureSize kPortraitScreen{1080, 1920};

TEST(FitToScreenTest, APictureLargerThanTheScreenTouchesItsEdgesWhole) {
    // A phone's photo, landscape and portrait, on screens of either shape.
    EXPECT_EQ(fitToScreen({4000, 3000}, kFullHd), (PictureSize{1440, 1080}));
    EXPECT_EQ(fitToScreen({3000, 4000}, kFullHd), (PictureSize{810, 1080}));
    EXPECT_EQ(fitToScreen({4000, 3000}, kXga), kXga);
    EXPECT_EQ(fitToScreen({4000, 3000}, kPortraitScreen), (PictureSize{1080, 810}));
    // Larger one way only: that side sets the scale.
    EXPECT_EQ(fitToScreen({2500, 500}, kFullHd), (PictureSize{1920, 384}));
    EXPECT_EQ(fitToScreen({800, 2160}, kFullHd), (PictureSize{400, 1080}));
}

TEST(FitToScreenTest, ProportionsHoldToTheNearestPixelAndNeverOverflow) {
    for (const PictureSize picture : {PictureSize{4032, 3024}, {6000, 4000}, {3001, 1999}, {1921, 1081}, {5000, 2813}}) {
        SCOPED_TRACE(::testing::PrintToString(picture));
        const PictureSize shown = fitToScreen(picture, kFullHd);
        EXPECT_TRUE(shown.width == kFullHd.width || shown.height == kFullHd.height) << "touches an edge";
        EXPECT_LE(shown.width, kFullHd.width);
        EXPECT_LE(shown.height, kFullHd.height);
        // The other side is the exact proportion, rounded: within half a pixel.
        const double exact = shown.width == kFullHd.width ? double(picture.height) * kFullHd.width / picture.width
                                                          : double(picture.width) * kFullHd.height / picture.height;
        const int other = shown.width == kFullHd.width ? shown.height : shown.width;
        EXPECT_LE(std::abs(other - exact), 0.5);
    }
}

TEST(FitToScreenTest, APictureThatFitsIsShownAtItsOwnSize) {
    for (const PictureSize picture : {PictureSize{640, 480}, kFullHd, {1920, 1}, {1, 1080}, {1, 1}})
        EXPECT_EQ(fitToScreen(picture, kFullHd), picture) << ::testing::PrintToString(picture);
}

TEST(FitToScreenTest, AThinPanoramaKeepsAtLeastOnePixel) {
    EXPECT_EQ(fitToScreen({10000, 1}, kFullHd), (PictureSize{1920, 1}));
    EXPECT_EQ(fitToScreen({65535, 3}, kXga), (PictureSize{1024, 1}));
    EXPECT_EQ(fitToScreen({1, 65535}, kFullHd), (PictureSize{1, 1080}));
}

}  // namespace
}  // namespace skyfolio
