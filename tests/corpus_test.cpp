// Every picture loader must load each hostile file or refuse it cleanly.

#include "dialog/cache_conversion.h"
#include "platform/file_picture_source.h"
#include "platform/shared_photo_order.h"
#include "saver/slide_composer.h"
#include "saver/fit_to_screen.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

void loadOrRefuse(const std::string& file, const std::string& cache) {
    SCOPED_TRACE(file);
    try {
        const Picture picture = Picture::load(file);
        EXPECT_GT(picture.width(), 0);
    } catch (const PictureError&) {
    }
    try {
        convertPictureForCache(file, cache);
        EXPECT_FALSE(Picture::load(cache).isNull());
    } catch (const CacheConversionError&) {
    }
    // As Float shrinks it to fit a screen, a small one.
    FilePictureSource floatPictures([](int) { return std::string(); });
    try {
        const std::optional<PictureSize> size = floatPictures.userPictureSize(file);
        if (size) {
            EXPECT_FALSE(floatPictures.userPicture(file, fitToScreen(*size, {48, 32})).isNull());
        }
    } catch (const PictureLoadError&) {
    }
    // As Slideshow makes a slide of it: whole on its blurred fill, and cut to fill.
    const std::vector<std::string> list{file};
    for (const bool fill : {false, true}) {
        SharedPhotoOrder order(list, false, 0, {});  // in list order: no state file
        SlideComposer slides(list, order, floatPictures, nullptr, {fill, true, true, false}, {48, 32});
        const SlideResult made = slides.compose();
        EXPECT_TRUE(made.made || made.failedPath == file);
    }
}

class CorpusTest : public ::testing::TestWithParam<const char*> {
protected:
    test::TempFolder folder;
};

TEST_P(CorpusTest, EveryFileLoadsOrIsRefused) {
    const std::vector<std::string> files = test::corpusFiles(GetParam());
    ASSERT_FALSE(files.empty()) << "no test data under " << GetParam();
    for (const std::string& file : files) loadOrRefuse(file, folder.file("skyfss0.dib"));
}

INSTANTIATE_TEST_SUITE_P(Copied, CorpusTest,
                         ::testing::Values("bmp-suite/g", "bmp-suite/q", "bmp-suite/b", "bmp-suite/x", "afl-bmp",
                                           "afl-gif", "afl-jpeg"));

TEST(SharedCorpusTest, JpegFilesThatCrashedDecodersBefore) {
    const std::vector<std::string> files = test::sharedCorpusFiles("jpeg-bugs");
    if (files.empty()) GTEST_SKIP() << "the jpeg-bugs corpus is not beside this checkout";
    test::TempFolder folder;
    for (const std::string& file : files) loadOrRefuse(file, folder.file("skyfss0.dib"));
}

}  // namespace
}  // namespace skyfolio
