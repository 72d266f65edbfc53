// PNG, WebP, TIFF and HEIC files, made here, through every way a picture is
// read: its size, the whole picture, the picture at a size, and the cache
// bitmap written as it is decoded.

#include "dialog/cache_conversion.h"
#include "imaging/picture.h"
#include "imaging/picture_format.h"
#include "tests/format_test_files.h"
#include "tests/jpeg_test_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <zlib.h>

namespace skyfolio {
namespace {

using test::FileFormat;
using test::TempFolder;

struct Case {
    FileFormat format;
    const char* name;
    double lossTolerated;  // mean difference at full size
};

const Case kCases[] = {
    {FileFormat::Png, "picture.png", 0.0},
    {FileFormat::WebP, "picture.webp", 4.0},
    {FileFormat::Tiff, "picture.tiff", 0.0},
    {FileFormat::Heic, "picture.heic", 4.0},
};

class PictureFormatsTest : public ::testing::TestWithParam<Case> {
protected:
    std::string write(const QImage& image, const test::FileLayout& layout = {}) {
        const std::string path = folder.file(GetParam().name);
        test::writeInFormat(path, image, GetParam().format, layout);
        return path;
    }

    TempFolder folder;
};

TEST_P(PictureFormatsTest, APictureReadsWholeAndAtASizeAsItWasWritten) {
    const QImage photo = test::photoLike(400, 300);
    const std::string path = write(photo);
    EXPECT_NE(pictureFormatOfFile(path), PictureFormat::Unknown);
    EXPECT_EQ(Picture::probe(path), (PictureSize{400, 300}));
    const Picture whole = Picture::load(path);
    ASSERT_EQ(whole.size(), (PictureSize{400, 300}));
    EXPECT_LE(test::meanDifference(whole.image(), photo), GetParam().lossTolerated);
    // A cache picture's size: 0.13 of the picture, enlarged a little.
    const PictureSize small{52, 39};
    const Picture shrunk = Picture::loadAtSize(path, small);
    ASSERT_EQ(shrunk.size(), small);
    EXPECT_LT(test::meanDifference(shrunk.image(), Picture(photo).scaled(small).image()), 4.0);
}

TEST_P(PictureFormatsTest, APictureIsShownUprightAsItsFileSays) {
    const std::string path = write(test::halfRed(), {.orientation = 6});  // a quarter turn clockwise
    EXPECT_EQ(Picture::probe(path), (PictureSize{20, 60}));
    const Picture picture = Picture::load(path);
    ASSERT_EQ(picture.size(), (PictureSize{20, 60}));
    EXPECT_GT(qRed(picture.image().pixel(10, 5)), 200);  // the red half now on top
    EXPECT_GT(qBlue(picture.image().pixel(10, 55)), 200);
    const Picture small = Picture::loadAtSize(path, {10, 30});
    ASSERT_EQ(small.size(), (PictureSize{10, 30}));
    EXPECT_GT(qRed(small.image().pixel(5, 3)), 200);

    const Picture mirrored = Picture::load(write(test::halfRed(), {.orientation = 2}));
    ASSERT_EQ(mirrored.size(), (PictureSize{60, 20}));
    EXPECT_GT(qBlue(mirrored.image().pixel(5, 10)), 200);
}

TEST_P(PictureFormatsTest, APictureGoesIntoTheCacheUprightAtItsReducedSize) {
    // 800 x 600, turned to 600 x 800: 9000 x 12000 twips, reduced by 0.319.
    const std::string path = write(test::halfRed().scaled(800, 600), {.orientation = 6});
    const std::string cacheFile = folder.file("skyfss0.dib");
    convertPictureForCache(path, cacheFile);
    const Picture cached = Picture::load(cacheFile);
    EXPECT_EQ(cached.size(), cacheGeometry({600, 800}).stored);
    EXPECT_EQ(cached.size(), (PictureSize{189, 253}));
    EXPECT_GT(qRed(cached.image().pixel(95, 20)), 200);
    EXPECT_GT(qBlue(cached.image().pixel(95, 230)), 200);
}

TEST_P(PictureFormatsTest, TheCacheBitmapIsTheBitmapOfTheLoadedPicture) {
    const std::string path = write(test::photoLike(800, 600));
    const PictureSize size{104, 78}, kept{102, 76};
    ASSERT_TRUE(Picture::writeBitmapAtSize(path, size, kept, folder.file("streamed.dib")));
    ASSERT_TRUE(Picture::loadAtSize(path, size).topLeft(kept).saveBitmap(folder.file("loaded.dib")));
    EXPECT_EQ(test::readFile(folder.file("streamed.dib")), test::readFile(folder.file("loaded.dib")));
}

// Every length a download or a full disk may leave, and bytes overwritten
// in every part of the file: refused with the file's name, or read whole.
TEST_P(PictureFormatsTest, ADamagedOrCutFileIsRefusedByName) {
    const std::string whole = test::readFile(write(test::photoLike(160, 120)));
    const std::string damaged = folder.file(std::string("damaged ") + GetParam().name);
    const auto loadOrRefuse = [&](const std::string& bytes) {
        test::writeFile(damaged, bytes);
        try {
            EXPECT_FALSE(Picture::load(damaged).isNull());
            EXPECT_EQ(Picture::loadAtSize(damaged, {16, 12}).size(), (PictureSize{16, 12}));
            EXPECT_TRUE(Picture::writeBitmapAtSize(damaged, {16, 12}, {14, 10}, folder.file("cache.dib")));
            return true;
        } catch (const PictureError& e) {
            EXPECT_NE(std::string(e.what()).find(damaged), std::string::npos) << e.what();
            return false;
        }
    };
    int refusedCuts = 0;
    for (size_t length = 0; length < whole.size(); length += std::max<size_t>(1, whole.size() / 40))
        refusedCuts += !loadOrRefuse(whole.substr(0, length));
    EXPECT_GT(refusedCuts, 20);
    for (size_t at = 0; at < whole.size(); at += std::max<size_t>(1, whole.size() / 200)) {
        std::string bytes = whole;
        for (size_t i = at; i < std::min(whole.size(), at + 4); ++i) bytes[i] = char(~bytes[i]);
        loadOrRefuse(bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureFormatsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name).substr(8); });

TEST(PictureFormatsExtraTest, AnInterlacedPngIsReadAsAPlainOne) {
    TempFolder folder;
    const QImage photo = test::photoLike(300, 200);
    test::writeInFormat(folder.file("interlaced.png"), photo, FileFormat::Png, {.interlaced = true});
    EXPECT_EQ(Picture::load(folder.file("interlaced.png")).image(), Picture(photo).image());
    ASSERT_TRUE(Picture::writeBitmapAtSize(folder.file("interlaced.png"), {39, 26}, {37, 24}, folder.file("a.dib")));
    test::writeInFormat(folder.file("plain.png"), photo, FileFormat::Png);
    ASSERT_TRUE(Picture::writeBitmapAtSize(folder.file("plain.png"), {39, 26}, {37, 24}, folder.file("b.dib")));
    EXPECT_EQ(test::readFile(folder.file("a.dib")), test::readFile(folder.file("b.dib")));
}

TEST(PictureFormatsExtraTest, AnAnimatedWebPShowsItsFirstFrame) {
    TempFolder folder;
    QImage red(90, 60, QImage::Format_RGB32), blue(90, 60, QImage::Format_RGB32);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    const std::string path = folder.file("animated.webp");
    test::writeAnimatedWebP(path, {red, blue});
    EXPECT_EQ(Picture::probe(path), (PictureSize{90, 60}));
    const Picture first = Picture::load(path);
    ASSERT_EQ(first.size(), (PictureSize{90, 60}));
    EXPECT_GT(qRed(first.image().pixel(45, 30)), 200);
    convertPictureForCache(path, folder.file("skyfss0.dib"));
    EXPECT_EQ(Picture::load(folder.file("skyfss0.dib")).size(), (PictureSize{88, 58}));
}

TEST(PictureFormatsExtraTest, AHeicThumbnailServesWhenItIsLargeEnough) {
    TempFolder folder;
    const std::string path = folder.file("photo.heic");
    test::writeInFormat(path, test::photoLike(1200, 900), FileFormat::Heic, {.thumbnail = 320});
    const QImage whole = Picture::load(path).image();
    // 300 x 225 is more than the thumbnail gives: the photo itself is decoded.
    for (PictureSize size : {PictureSize{160, 120}, PictureSize{300, 225}}) {
        SCOPED_TRACE(size.width);
        const Picture small = Picture::loadAtSize(path, size);
        ASSERT_EQ(small.size(), size);
        EXPECT_LT(test::meanDifference(small.image(), Picture(whole).scaled(size).image()), 4.0);
    }
}

TEST(PictureFormatsExtraTest, APngClaimingAHugePictureIsRefused) {
    TempFolder folder;
    test::writeInFormat(folder.file("small.png"), test::photoLike(64, 64), FileFormat::Png);
    const std::string small = test::readFile(folder.file("small.png"));
    // Sides over the limit, and sides within it whose pixels would take
    // minutes to inflate, with the header's checksum to match.
    for (const uint32_t side : {100000u, 40000u}) {
        SCOPED_TRACE(side);
        std::string bytes = small;
        for (const size_t at : {16u, 20u})
            for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = char(side >> (24 - 8 * i) & 0xFF);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(bytes.data() + 12), 17);
        for (int i = 0; i < 4; ++i) bytes[size_t(29 + i)] = char(crc >> (24 - 8 * i) & 0xFF);
        test::writeFile(folder.file("huge.png"), bytes);
        try {
            Picture::loadAtSize(folder.file("huge.png"), {100, 100});
            ADD_FAILURE() << "not refused";
        } catch (const PictureTooLarge& e) {
            const std::string size = std::to_string(side) + " x " + std::to_string(side) + " pixels";
            EXPECT_NE(std::string(e.what()).find(size), std::string::npos) << e.what();
        }
        EXPECT_EQ(Picture::probe(folder.file("huge.png")), std::nullopt);
    }
}

TEST(PictureFormatsExtraTest, TheFormatIsToldByTheContentNotTheName) {
    EXPECT_EQ(pictureFormatOf("\x89PNG\r\n\x1A\n...."), PictureFormat::Png);
    EXPECT_EQ(pictureFormatOf(std::string_view("RIFF\x10\0\0\0WEBPVP8 ", 16)), PictureFormat::WebP);
    EXPECT_EQ(pictureFormatOf(std::string_view("RIFF\x10\0\0\0WAVEfmt ", 16)), PictureFormat::Unknown);
    EXPECT_EQ(pictureFormatOf(std::string_view("MM\0*\0\0\0\x08", 8)), PictureFormat::Tiff);
    // A phone photo's brands, and a video's.
    EXPECT_EQ(pictureFormatOf(std::string_view("\0\0\0\x18" "ftypheic\0\0\0\0mif1heic", 24)), PictureFormat::Heif);
    EXPECT_EQ(pictureFormatOf(std::string_view("\0\0\0\x18" "ftypmif1\0\0\0\0mif1miaf", 24)), PictureFormat::Heif);
    EXPECT_EQ(pictureFormatOf(std::string_view("\0\0\0\x1C" "ftypavif\0\0\0\0avifmif1miaf", 28)), PictureFormat::Avif);
    EXPECT_EQ(pictureFormatOf(std::string_view("\0\0\0\x18" "ftypisom\0\0\0\0isomavc1", 24)), PictureFormat::Unknown);
    EXPECT_EQ(pictureFormatOf("GIF89a"), PictureFormat::Gif);
    EXPECT_EQ(pictureFormatOf(std::string_view("BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0", 18)), PictureFormat::Bitmap);
    EXPECT_EQ(pictureFormatOf("BMW service notes, 2023"), PictureFormat::Unknown);
    EXPECT_EQ(pictureFormatOf("Just some notes"), PictureFormat::Unknown);
    EXPECT_EQ(pictureFormatOf(""), PictureFormat::Unknown);
}

}  // namespace
}  // namespace skyfolio
