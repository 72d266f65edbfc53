#include "imaging/picture.h"
#include "tests/format_test_files.h"
#include "tests/jpeg_test_files.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"

#include <gtest/gtest.h>


#include <cstring>

namespace skyfolio {
namespace {

using test::photoLike;
using test::TempFolder;

// A JPEG 60 x 20 whose left half is red, with an EXIF orientation tag.
std::string jpegWithOrientation(const TempFolder& folder, int orientation) {
    const std::string plain = folder.file("plain.jpg");
    EXPECT_TRUE(Picture(test::halfRed()).saveJpeg(plain, 95));
    std::string bytes = test::readFile(plain);
    const std::string exif = test::exifWithOrientation(orientation);
    const size_t length = exif.size() + 2;
    bytes.insert(2, std::string("\xFF\xE1") + static_cast<char>(length >> 8) + static_cast<char>(length & 0xFF) + exif);
    const std::string path = folder.file("turned.jpg");
    test::writeFile(path, bytes);
    return path;
}

TEST(PictureTest, PhotosAreShownUprightAsTheirExifDataSays) {
    TempFolder folder;
    const std::string turned = jpegWithOrientation(folder, 6);  // turn a quarter clockwise
    EXPECT_EQ(Picture::probe(turned), (PictureSize{20, 60}));
    const Picture picture = Picture::load(turned);
    ASSERT_EQ(picture.size(), (PictureSize{20, 60}));
    EXPECT_GT(qRed(picture.image().pixel(10, 5)), 200);  // the red half now on top
    EXPECT_GT(qBlue(picture.image().pixel(10, 55)), 200);
    EXPECT_EQ(Picture::loadAtSize(turned, {10, 30}).size(), (PictureSize{10, 30}));

    const Picture mirrored = Picture::load(jpegWithOrientation(folder, 2));
    ASSERT_EQ(mirrored.size(), (PictureSize{60, 20}));
    EXPECT_GT(qBlue(mirrored.image().pixel(5, 10)), 200);
}

TEST(PictureTest, ABitmapNamedDibIsReadAsAWholeBitmapFile) {
    TempFolder folder;
    QImage image(7, 3, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    ASSERT_TRUE(Picture(image).saveBitmap(folder.file("skyfss0.dib")));
    const Picture back = Picture::load(folder.file("skyfss0.dib"));
    EXPECT_EQ(back.size(), (PictureSize{7, 3}));
    EXPECT_EQ(back.image().pixel(3, 1), QColor(10, 200, 30).rgb());
}

TEST(PictureTest, ABitmapCutShortIsRefusedNotFilledWithLeftovers) {
    TempFolder folder;
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(Picture(image).saveBitmap(folder.file("whole.bmp")));
    const std::string whole = test::readFile(folder.file("whole.bmp"));
    test::writeFile(folder.file("cut.bmp"), whole.substr(0, whole.size() - 1));
    EXPECT_THROW(Picture::load(folder.file("cut.bmp")), PictureError);
    EXPECT_EQ(Picture::load(folder.file("whole.bmp")).size(), (PictureSize{200, 100}));
}

TEST(PictureTest, EveryWellFormedBitmapVariantLoads) {
    const std::vector<std::string> files = test::corpusFiles("bmp-suite/g");
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) EXPECT_NO_THROW(Picture::load(file)) << file;
}

TEST(PictureTest, SavingOverAnExistingFileIsAllOrNothing) {
    TempFolder folder;
    test::writeFile(folder.file("old.bmp"), "old");
    EXPECT_FALSE(Picture().saveBitmap(folder.file("old.bmp")));
    EXPECT_EQ(test::readFile(folder.file("old.bmp")), "old");
    EXPECT_FALSE(Picture(QImage(2, 2, QImage::Format_RGB32)).saveBitmap(folder.file("no such folder/x.bmp")));
}

TEST(PictureTest, ProgressiveAndBaselinePhotosShrinkAlike) {
    TempFolder folder;
    const QImage photo = photoLike(1600, 1200);
    test::writeJpeg(folder.file("baseline.jpg"), photo, {.progressive = false});
    test::writeJpeg(folder.file("progressive.jpg"), photo, {});
    // 0.13 of the photo, as a cache picture; decoded at 1/8 and enlarged a little.
    const PictureSize small{208, 156};
    const QImage smooth = Picture(photo).scaled(small).image();
    for (const char* name : {"baseline.jpg", "progressive.jpg"}) {
        SCOPED_TRACE(name);
        const Picture shrunk = Picture::loadAtSize(folder.file(name), small);
        ASSERT_EQ(shrunk.size(), small);
        EXPECT_LT(test::meanDifference(shrunk.image(), smooth), 3.0);
    }
}

TEST(PictureTest, AProgressivePhotoTooLargeForMemoryIsRefused) {
    // A small progressive file whose header claims 12000 x 12000 pixels:
    // libjpeg would hold 432 MB of coefficients to decode it at 1/4.
    TempFolder folder;
    test::writeJpeg(folder.file("small.jpg"), photoLike(64, 64), {});
    std::string bytes = test::readFile(folder.file("small.jpg"));
    const size_t frame = bytes.find("\xFF\xC2");
    ASSERT_NE(frame, std::string::npos);
    for (size_t at : {frame + 5, frame + 7}) bytes.replace(at, 2, "\x2E\xE0");
    test::writeFile(folder.file("huge.jpg"), bytes);
    try {
        Picture::loadAtSize(folder.file("huge.jpg"), {3000, 3000});
        FAIL() << "the picture was decoded";
    } catch (const PictureError& e) {
        EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
    }
}

TEST(PictureTest, AStreamedBitmapIsTheBitmapOfTheLoadedPicture) {
    TempFolder folder;
    const QImage photo = photoLike(800, 600);
    test::writeJpeg(folder.file("baseline.jpg"), photo, {.progressive = false});
    test::writeJpeg(folder.file("progressive.jpg"), photo, {});
    ASSERT_TRUE(Picture(photo).saveBitmap(folder.file("bitmap.bmp")));
    // The same bitmap stored top down: height negated, rows reversed.
    std::string bytes = test::readFile(folder.file("bitmap.bmp")), topDown = bytes.substr(0, 54);
    const int32_t height = -600;
    std::memcpy(&topDown[22], &height, 4);
    const size_t rowBytes = 800 * 3;
    for (size_t row = 600; row-- > 0;) topDown += bytes.substr(54 + row * rowBytes, rowBytes);
    test::writeFile(folder.file("top down.bmp"), topDown);
    const std::string turned = jpegWithOrientation(folder, 6);
    const PictureSize size{104, 78}, kept{102, 76};
    for (const std::string& source : {folder.file("baseline.jpg"), folder.file("progressive.jpg"), folder.file("bitmap.bmp"),
                                      folder.file("top down.bmp")}) {
        SCOPED_TRACE(source);
        ASSERT_TRUE(Picture::writeBitmapAtSize(source, size, kept, folder.file("streamed.dib")));
        ASSERT_TRUE(Picture::loadAtSize(source, size).topLeft(kept).saveBitmap(folder.file("loaded.dib")));
        EXPECT_EQ(test::readFile(folder.file("streamed.dib")), test::readFile(folder.file("loaded.dib")));
    }
    // A photo that must be turned upright goes the long way, with the same result.
    ASSERT_TRUE(Picture::writeBitmapAtSize(turned, {10, 30}, {8, 28}, folder.file("streamed.dib")));
    EXPECT_EQ(Picture::load(folder.file("streamed.dib")).image(), Picture::loadAtSize(turned, {10, 30}).topLeft({8, 28}).image());

    // A picture that cannot be read leaves the target as it was.
    test::writeFile(folder.file("cut.jpg"), test::readFile(folder.file("baseline.jpg")).substr(0, 300));
    EXPECT_THROW(Picture::writeBitmapAtSize(folder.file("cut.jpg"), size, kept, folder.file("streamed.dib")), PictureError);
    EXPECT_EQ(test::readFile(folder.file("streamed.dib")).substr(0, 2), "BM");
}

}  // namespace
}  // namespace skyfolio
