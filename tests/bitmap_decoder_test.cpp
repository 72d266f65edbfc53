// Our BMP reader against Qt's on the BMP Suite, and on pictures larger than
// any held whole.

#include "imaging/picture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"

#include <gtest/gtest.h>

#include <QImageReader>

#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace skyfolio {
namespace {

using test::TempFolder;

QImage decodedByQt(const std::string& file) {
    QImageReader reader(QString::fromStdString(file), "bmp");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// Empty when no channel of the pictures differs by more than `tolerance`,
// else where and how they first differ.
std::string difference(const QImage& ours, const QImage& qt, int tolerance = 0) {
    if (ours.size() != qt.size())
        return "size " + std::to_string(ours.width()) + "x" + std::to_string(ours.height());
    const auto near = [tolerance](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
               std::abs(qBlue(a) - qBlue(b)) <= tolerance;
    };
    for (int y = 0; y < qt.height(); ++y)
        for (int x = 0; x < qt.width(); ++x)
            if (!near(ours.pixel(x, y), qt.pixel(x, y)))
                return "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                       QString::number(ours.pixel(x, y), 16).toStdString() + " instead of " +
                       QString::number(qt.pixel(x, y), 16).toStdString();
    return {};
}

TEST(BitmapDecoderTest, EveryGoodFileGivesQtsPixels) {
    const std::vector<std::string> files = test::corpusFiles("bmp-suite/g");
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const QImage qt = decodedByQt(file);
        ASSERT_FALSE(qt.isNull());
        // Channels of five and six bits: Qt 6.4 shifts them (31 is 248),
        // later versions spread them (31 is 255), as we do.
        const int tolerance = file.find("/rgb16") != std::string::npos ? 255 - (31 << 3) : 0;
        EXPECT_EQ(difference(Picture::load(file).image(), qt, tolerance), "");
    }
}

TEST(BitmapDecoderTest, ChannelsNarrowerThanAByteSpanItsWholeRange) {
    TempFolder folder;
    const std::string path = folder.file("rgb555.bmp");
    // White, black, then red 16, green 8, blue 1 of 31, padded to four bytes.
    const std::string pixels("\xFF\x7F\x00\x00\x01\x41\x00\x00", 8);
    test::writeFile(path, test::bitmapHeaders(3, 1, 16, uint32_t(pixels.size())) + pixels);
    const QImage image = Picture::load(path).image();
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(132, 66, 8));
}

TEST(BitmapDecoderTest, EveryBadFileIsRefused) {
    const std::vector<std::string> files = test::corpusFiles("bmp-suite/b");
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        EXPECT_THROW(Picture::load(file), PictureError) << file;
        EXPECT_THROW(Picture::loadAtSize(file, {20, 10}), PictureError) << file;
    }
}

// An RLE8 file of 4 x 3 pixels, palette red, green, blue, with `data` as
// its pixel data.
std::string rle8(const std::string& data) {
    constexpr uint32_t kRle8 = 1;
    return test::bitmapHeaders(4, 3, 8, uint32_t(data.size()), kRle8, std::string("\0\0\xFF\0\0\xFF\0\0\xFF\0\0\0", 12)) +
           data;
}

TEST(BitmapDecoderTest, RunLengthCodedRowsMovesAndLeftOutPixels) {
    TempFolder folder;
    const std::string path = folder.file("rle.bmp");
    // Bottom row: red, green, blue as they are, padded; a move one up; one
    // green; the end, leaving the rest out.
    test::writeFile(path, rle8(std::string("\x00\x03\x00\x01\x02\x00\x00\x02\x00\x01\x01\x01\x00\x01", 14)));
    const QImage image = Picture::load(path).image();
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), none = qRgb(0, 0, 0);
    const QRgb expected[3][4] = {{none, none, none, none}, {none, none, none, green}, {red, green, blue, none}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(image.pixel(x, y), expected[y][x]) << x << "," << y;

    for (const std::string& bad : {std::string("\x05\x00\x00\x01", 4),             // a run past the row's end
                                   std::string("\x00\x02\x00\x03\x00\x01", 6),     // a move past the top
                                   std::string("\x02\x03\x00\x01", 4),             // a colour not in the palette
                                   std::string("\x02\x00\x00\x00\x02\x00", 6)}) {  // no end
        test::writeFile(path, rle8(bad));
        EXPECT_THROW(Picture::load(path), PictureError);
    }
}

// Rows of one orange, with a white top row, written straight to disk.
std::string writeLarge(const TempFolder& folder, int width, int height, bool topDown) {
    const std::string path = folder.file(topDown ? "topdown.bmp" : "large.bmp");
    const uint32_t rowBytes = uint32_t(width * 3 + 3) & ~3u;
    std::ofstream out(path, std::ios::binary);
    out << test::bitmapHeaders(width, topDown ? -height : height, 24, rowBytes * uint32_t(height));
    std::string row(rowBytes, '\0'), white(rowBytes, '\xFF');
    for (int x = 0; x < width; ++x) row.replace(size_t(x) * 3, 3, "\x20\x80\xE0");  // blue, green, red
    for (int y = 0; y < height; ++y) out << ((topDown ? y == 0 : y == height - 1) ? white : row);
    return path;
}

TEST(BitmapDecoderTest, ABitmapLargerThanAnyHeldWholeIsReadReducedEitherWayUp) {
    // 9000 x 9000 pixels would be 324 MB decoded, over the ceiling.
    TempFolder folder;
    for (bool topDown : {false, true}) {
        const std::string path = writeLarge(folder, 9000, 9000, topDown);
        EXPECT_EQ(Picture::probe(path), (PictureSize{9000, 9000}));
        EXPECT_THROW(Picture::load(path), PictureTooLarge);
        const Picture small = Picture::loadAtSize(path, {90, 90});
        ASSERT_EQ(small.size(), (PictureSize{90, 90}));
        // The white row is a hundredth of the top row: (255 + 99 x 32) / 100.
        EXPECT_EQ(qBlue(small.image().pixel(45, 0)), 34);
        EXPECT_EQ(small.image().pixel(45, 89), qRgb(0xE0, 0x80, 0x20));
    }
}

TEST(BitmapDecoderTest, APictureOverTheStreamingLimitIsRefusedForItsSize) {
    TempFolder folder;
    const std::string path = folder.file("huge.bmp");
    test::writeFile(path, test::bitmapHeaders(70000, 10, 24, 0));
    try {
        Picture::probe(path);
        Picture::loadAtSize(path, {70, 1});
        FAIL() << "the picture was read";
    } catch (const PictureTooLarge& e) {
        EXPECT_NE(std::string(e.what()).find("70000 x 10 pixels"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace skyfolio
