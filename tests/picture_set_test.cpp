#include "saver/picture_set.h"
#include "settings/conversions.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

TEST(MemberSizesTest, TwelveFixedSizesOfThePicture) {
    const std::array<PictureSize, 12> expected = {{{198, 99},
                                                   {178, 89},
                                                   {158, 79},
                                                   {138, 69},
                                                   {118, 59},
                                                   {100, 50},
                                                   {66, 33},
                                                   {50, 25},
                                                   {40, 20},
                                                   {33, 16},
                                                   {28, 14},
                                                   {25, 12}}};
    EXPECT_EQ(memberSizes(200, 100), expected);
}

TEST(MemberSizesTest, NarrowAndHugePictures) {
    const auto sizes = memberSizes(1, 50);
    EXPECT_EQ(sizes[0].width, 1);      // 0.99 rounds to 1
    EXPECT_EQ(sizes[4].width, 1);      // 0.59 rounds to 1
    for (int k = 6; k <= 12; ++k) EXPECT_EQ(sizes[k - 1].width, 0) << k;  // 1 \ 2 = 0
    EXPECT_EQ(memberSizes(1, 1)[11], (PictureSize{0, 0}));
    EXPECT_THROW(memberSizes(40000, 10), ConversionError);
}

TEST(BuildPictureSetTest, MembersHoldTheScaledPicture) {
    const uint32_t red = rgb32(250, 10, 10);
    const PictureSet set = buildPictureSet(Pixels({200, 100}, std::vector<uint32_t>(200 * 100, red)));
    EXPECT_EQ(set.source.size(), (PictureSize{200, 100}));
    EXPECT_EQ(set.member(1).size(), (PictureSize{198, 99}));
    EXPECT_EQ(set.member(12).size(), (PictureSize{25, 12}));
    EXPECT_EQ(set.member(7).row(10)[10], red);

    const PictureSet thin = buildPictureSet(Pixels({1, 30}, std::vector<uint32_t>(30, red)));
    EXPECT_EQ(thin.member(5).size(), (PictureSize{1, 18}));
    EXPECT_TRUE(thin.member(6).isNull());  // nothing to draw, nothing drawn
}

}  // namespace
}  // namespace skyfolio
