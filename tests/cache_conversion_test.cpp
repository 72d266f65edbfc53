#include "dialog/cache_conversion.h"
#include "settings/conversions.h"
#include "tests/jpeg_test_files.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"

#include <gtest/gtest.h>

#include <QColor>
#include <filesystem>
#include <QImage>
#include <QPainter>

namespace skyfolio {
namespace {

using test::TempFolder;

std::pair<float, float> reduced(float w, float h) {
    ReduceForCache(w, h);
    return {w, h};
}

TEST(ReduceForCacheTest, FollowsTheTableKeyedOnTheLongerSide) {
    EXPECT_EQ(reduced(4000, 3000), std::make_pair(4000.f, 3000.f));
    EXPECT_EQ(reduced(4499, 10), std::make_pair(4499.f, 10.f));
    const auto [w, h] = reduced(6000, 4000);
    EXPECT_EQ(RoundInt16(w), 3720);
    EXPECT_EQ(RoundInt16(h), 2480);
    const auto [pw, ph] = reduced(3000, 9000);  // a portrait uses its height
    EXPECT_EQ(RoundInt16(pw), 1260);
    EXPECT_EQ(RoundInt16(ph), 3780);
    EXPECT_FLOAT_EQ(reduced(4500, 4500).first, 4500 * 0.82f);  // a square uses its width
    EXPECT_FLOAT_EQ(reduced(17999, 1).first, static_cast<float>(17999 * 0.219));
    EXPECT_FLOAT_EQ(reduced(18000, 1).first, 3600);
    EXPECT_FLOAT_EQ(reduced(22500, 1).first, 3600);
    EXPECT_FLOAT_EQ(reduced(25499, 1).first, static_cast<float>(25499 * 0.16));
    EXPECT_EQ(RoundInt16(reduced(30000, 1).first), 3900);
    EXPECT_EQ(RoundInt16(reduced(50000, 1).first), 6500);
}

TEST(CacheGeometryTest, PixelsOfTheDrawnAndTheStoredPicture) {
    // 400 x 267 pixels = 6000 x 4005 twips, reduced by 0.62.
    const CacheGeometry g = cacheGeometry({400, 267});
    EXPECT_EQ(g.widthTwips, 3720);
    EXPECT_EQ(g.heightTwips, 2483);
    EXPECT_EQ(g.drawn, (PictureSize{248, 166}));
    EXPECT_EQ(g.stored, (PictureSize{246, 164}));  // inside the single-line border
    EXPECT_EQ(cacheGeometry({1, 1}).stored, (PictureSize{1, 1}));
    EXPECT_EQ(cacheGeometry({16000, 100}).widthTwips, 31200);
    EXPECT_THROW(cacheGeometry({20000, 20000}), ConversionError);  // 39000 twips do not fit 16 bits
}

QImage stripes(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    for (int x = 0; x < w; x += 40) p.fillRect(x, 0, 20, h, QColor(200, 40, 40));
    p.fillRect(0, h / 2, w, h / 2, QColor(30, 90, 200));
    return image;
}

class ConvertPictureTest : public ::testing::Test {
protected:
    std::string jpeg(const std::string& name, int w, int h) {
        const std::string path = folder.file(name);
        EXPECT_TRUE(Picture(stripes(w, h)).saveJpeg(path, 92));
        return path;
    }
    TempFolder folder;
    std::string cache = folder.file("skyfss0.dib");
};

TEST_F(ConvertPictureTest, WritesABitmapOfTheTableSize) {
    convertPictureForCache(jpeg("photo.jpg", 1600, 1200), cache);
    const Picture stored = Picture::load(cache);
    EXPECT_EQ(stored.size(), cacheGeometry({1600, 1200}).stored);
    EXPECT_EQ(stored.size(), (PictureSize{254, 190}));
    EXPECT_EQ(test::readFile(cache).substr(0, 2), "BM");
}

TEST_F(ConvertPictureTest, ScaledDecodingLooksLikeAFullDecodeThenScale) {
    const std::string photo = jpeg("photo.jpg", 3200, 2400);
    convertPictureForCache(photo, cache);
    const CacheGeometry g = cacheGeometry({3200, 2400});
    const QImage fast = Picture::load(cache).image();
    const QImage slow = Picture::load(photo).scaled(g.drawn).topLeft(g.stored).image();
    ASSERT_EQ(fast.size(), slow.size());
    double difference = 0;
    for (int y = 0; y < fast.height(); ++y)
        for (int x = 0; x < fast.width(); ++x)
            difference += std::abs(qGray(fast.pixel(x, y)) - qGray(slow.pixel(x, y)));
    EXPECT_LT(difference / (fast.width() * fast.height()), 6.0);
}

TEST_F(ConvertPictureTest, BadPicturesAreRefusedAndTheOldCacheFileStays) {
    test::writeFile(cache, "old cache file");
    test::writeFile(folder.file("empty.jpg"), "");
    test::writeFile(folder.file("text.jpg"), "this is not a picture\n");
    const std::string whole = test::readFile(jpeg("whole.jpg", 800, 600));
    test::writeFile(folder.file("truncated.jpg"), whole.substr(0, 200));
    for (const char* name : {"missing.jpg", "empty.jpg", "text.jpg", "truncated.jpg"})
        EXPECT_THROW(convertPictureForCache(folder.file(name), cache), CacheConversionError) << name;
    EXPECT_EQ(test::readFile(cache), "old cache file");
}

TEST_F(ConvertPictureTest, AHugePictureIsRefusedBeforeItIsDecoded) {
    // A small JPEG whose header claims 20000 x 20000 pixels.
    std::string bytes = test::readFile(jpeg("small.jpg", 64, 64));
    const size_t sof = bytes.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    for (size_t at : {sof + 5, sof + 7}) {
        bytes[at] = static_cast<char>(20000 >> 8);
        bytes[at + 1] = static_cast<char>(20000 & 0xFF);
    }
    test::writeFile(folder.file("huge.jpg"), bytes);
    try {
        convertPictureForCache(folder.file("huge.jpg"), cache);
        FAIL() << "a 20000 x 20000 picture was accepted";
    } catch (const CacheConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
    }
}

TEST_F(ConvertPictureTest, PathsWithBlanksAndNonAsciiCharacters) {
    const std::string photo = jpeg("Ferien am Meer – Zoë.jpg", 300, 200);
    const std::string target = folder.file("Cache ü/skyfss0.dib");
    std::filesystem::create_directory(folder.file("Cache ü"));
    convertPictureForCache(photo, target);
    EXPECT_EQ(Picture::load(target).size(), cacheGeometry({300, 200}).stored);
}

// A GIF of 8 x 8 pixels whose first frame is red and the others blue. The
// picture data codes one pixel per 3-bit code, with a clear code before
// every two, so that the code size never grows.
std::string gifOfFrames(int frames) {
    std::string gif = "GIF89a";
    const auto word = [&gif](int value) { gif += {char(value & 0xFF), char(value >> 8)}; };
    word(8);
    word(8);
    gif += {char(0x80), 0, 0};                       // a global table of two colours
    gif += std::string("\xFF\x00\x00\x00\x00\xFF", 6);  // red, blue
    constexpr int kClear = 4, kEnd = 5, kCodeBits = 3;
    for (int frame = 0; frame < frames; ++frame) {
        gif += std::string("\x21\xF9\x04\x00\x01\x00\x00\x00", 8);  // shown for 1/100 s
        gif += ',';
        word(0);
        word(0);
        word(8);
        word(8);
        gif += {0, 2};  // no local table; LZW starts at 2 bits
        std::vector<int> codes;
        for (int pixel = 0; pixel < 64; pixel += 2) codes.insert(codes.end(), {kClear, frame ? 1 : 0, frame ? 1 : 0});
        codes.push_back(kEnd);
        std::string data;
        unsigned bits = 0, count = 0;
        for (int code : codes) {
            bits |= unsigned(code) << count;
            for (count += kCodeBits; count >= 8; count -= 8, bits >>= 8) data += char(bits & 0xFF);
        }
        if (count > 0) data += char(bits);
        gif += {char(data.size()), 0};
        gif.insert(gif.size() - 1, data);  // one sub-block, then the terminator
    }
    return gif + ';';
}

TEST_F(ConvertPictureTest, TheFirstFrameOfAManyFrameGif) {
    test::writeFile(folder.file("frames.gif"), gifOfFrames(3000));
    convertPictureForCache(folder.file("frames.gif"), cache);
    const Picture stored = Picture::load(cache);
    ASSERT_EQ(stored.size(), (PictureSize{6, 6}));
    EXPECT_EQ(stored.image().pixel(3, 3), qRgb(255, 0, 0));
}

TEST_F(ConvertPictureTest, BitmapsWithOddHeadersLookLikePlainOnes) {
    // The suite draws one picture in every layout; its plain 8-bit and 24-bit
    // files are the reference.
    const auto converted = [this](const char* name) {
        convertPictureForCache(test::testDataPath(std::string("corpus/bmp-suite/g/") + name), cache);
        return Picture::load(cache).image();
    };
    const QImage plain = converted("pal8.bmp");
    const QImage trueColour = converted("rgb24.bmp");
    EXPECT_EQ(test::meanDifference(converted("pal8topdown.bmp"), plain), 0.0);
    EXPECT_EQ(test::meanDifference(converted("pal8rle.bmp"), plain), 0.0);
    EXPECT_LT(test::meanDifference(converted("rgb16.bmp"), trueColour), 4.0);  // 5 bits a channel
}

TEST_F(ConvertPictureTest, AProgressivePhotoBecomesTheSameCachePictureAsABaselineOne) {
    const QImage photo = stripes(1600, 1200);
    test::writeJpeg(folder.file("baseline.jpg"), photo, {.progressive = false});
    test::writeJpeg(folder.file("progressive.jpg"), photo, {});
    convertPictureForCache(folder.file("baseline.jpg"), cache);
    const QImage baseline = Picture::load(cache).image();
    convertPictureForCache(folder.file("progressive.jpg"), cache);
    EXPECT_LT(test::meanDifference(Picture::load(cache).image(), baseline), 3.0);
}

}  // namespace
}  // namespace skyfolio
