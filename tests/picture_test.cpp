#include "platform/picture.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace skyfolio {
namespace {

using test::TempFolder;

// A JPEG 60 x 20 whose left half is red, with an EXIF orientation tag.
std::string jpegWithOrientation(const TempFolder& folder, int orientation) {
    QImage image(60, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, 30, 20, Qt::red);
    const std::string plain = folder.file("plain.jpg");
    EXPECT_TRUE(Picture(image).saveJpeg(plain, 95));
    std::string bytes = test::readFile(plain);
    // APP1 "Exif", little-endian TIFF header, one directory entry: 0x0112 SHORT 1 = orientation.
    std::string exif("Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 24);
    exif += static_cast<char>(orientation);
    exif += std::string(3, '\0');
    exif += std::string(4, '\0');
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

TEST(PictureTest, SavingOverAnExistingFileIsAllOrNothing) {
    TempFolder folder;
    test::writeFile(folder.file("old.bmp"), "old");
    EXPECT_FALSE(Picture().saveBitmap(folder.file("old.bmp")));
    EXPECT_EQ(test::readFile(folder.file("old.bmp")), "old");
    EXPECT_FALSE(Picture(QImage(2, 2, QImage::Format_RGB32)).saveBitmap(folder.file("no such folder/x.bmp")));
}

}  // namespace
}  // namespace skyfolio
