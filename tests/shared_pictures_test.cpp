#include "saver/shared_pictures.h"
#include "tests/support/fake_saver_host.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

constexpr uint32_t kColour = rgb32(10, 20, 30);

Pixels flat(int w, int h) { return Pixels({w, h}, std::vector<uint32_t>(size_t(w) * size_t(h), kColour)); }

TEST(SharedPicturesTest, ScreensOfOneSizeHoldOneCopyOfAPicture) {
    test::FakePictureSource files;
    files.files["a.jpg"] = flat(400, 300);
    SharedPictures shared(files);

    Pixels first = shared.userPicture("a.jpg", {200, 150});
    Pixels second = shared.userPicture("a.jpg", {200, 150});
    EXPECT_EQ(second.row(0), first.row(0));
    EXPECT_EQ(files.loaded.size(), 1u);

    // Another size is never handed the first one's copy.
    EXPECT_EQ(shared.userPicture("a.jpg", {100, 75}).size(), (PictureSize{100, 75}));
    EXPECT_EQ(shared.userPicture("a.jpg").size(), (PictureSize{400, 300}));
    EXPECT_EQ(files.loaded.size(), 3u);

    // Let go by every screen, it is freed, and the next screen loads it anew.
    first = Pixels();
    second = Pixels();
    EXPECT_EQ(shared.userPicture("a.jpg", {200, 150}).row(100)[100], kColour);
    EXPECT_EQ(files.loaded.size(), 4u);

    EXPECT_THROW(shared.userPicture("missing.jpg"), PictureLoadError);
    EXPECT_THROW(shared.userPicture("missing.jpg"), PictureLoadError);
}

TEST(SharedPicturesTest, CachePictureSetsAreSharedByNumberAndOutliveTheirSet) {
    test::FakePictureSource files;
    files.cache[0] = flat(200, 100);
    files.cache[1] = flat(300, 100);
    SharedPictures shared(files);

    PictureSet one = shared.cachePictureSet(0);
    PictureSet other = shared.cachePictureSet(0);
    for (int k = 1; k <= kMemberCount; ++k) EXPECT_EQ(other.member(k).row(0), one.member(k).row(0)) << k;
    EXPECT_EQ(shared.cachePictureSet(1).member(1).size(), (PictureSize{297, 99}));

    // A member drawn from keeps its rows once both screens moved on.
    const Pixels kept = one.member(12);
    one = PictureSet();
    other = PictureSet();
    EXPECT_EQ(kept.row(11)[24], kColour);
}

}  // namespace
}  // namespace skyfolio
