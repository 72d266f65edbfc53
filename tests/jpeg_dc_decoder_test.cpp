#include "imaging/jpeg_dc_decoder.h"
#include "tests/jpeg_test_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>

#include <cstring>

namespace skyfolio {
namespace {

using test::JpegLayout;

// Different at every pixel, so that every block has a DC value of its own.
QImage busyPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * y / 5) % 256, (x * x + y * 11) % 256));
    return image;
}

struct Decoded {
    bool headerRead = false;
    bool decoded = false;
    int rows = 0;
    QImage picture;
};

Decoded decodeDc(const std::string& path) {
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    BufferedInput input(file);
    input.rewind();
    JpegDcDecoder decoder(input);
    Decoded d;
    d.headerRead = decoder.readHeader();
    if (!d.headerRead) return d;
    d.picture = QImage(decoder.size(), QImage::Format_RGB32);
    d.decoded = decoder.decode([&d](const QRgb* row) {
        if (d.rows < d.picture.height()) std::memcpy(d.picture.scanLine(d.rows), row, size_t(d.picture.width()) * 4);
        ++d.rows;
    });
    return d;
}

class JpegDcDecoderTest : public ::testing::Test {
protected:
    std::string jpeg(const std::string& name, QSize size, const JpegLayout& layout) {
        const std::string path = folder.file(name);
        test::writeJpeg(path, busyPicture(size), layout);
        return path;
    }
    // The file cut short just after the `n`th scan header.
    std::string cutInScan(const std::string& name, const std::string& whole, int n) {
        size_t at = 0;
        for (int i = 0; i < n; ++i) at = whole.find("\xFF\xDA", at + 2);
        test::writeFile(folder.file(name), whole.substr(0, at + 20));
        return folder.file(name);
    }
    test::TempFolder folder;
};

TEST_F(JpegDcDecoderTest, GivesLibjpegsOwnOneEighthPicture) {
    // Sizes that end in part blocks and part MCUs; restart markers in the scans.
    const struct {
        const char* name;
        QSize size;
        JpegLayout layout;
    } cases[] = {
        {"grey.jpg", {61, 45}, {.grey = true}},
        {"full colour.jpg", {70, 33}, {.subsampled = false}},
        {"restarts.jpg", {61, 45}, {.subsampled = false, .restartInterval = 3}},
        {"grey restarts.jpg", {50, 37}, {.grey = true, .restartInterval = 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = jpeg(c.name, c.size, c.layout);
        const Decoded d = decodeDc(path);
        ASSERT_TRUE(d.decoded);
        EXPECT_EQ(d.rows, d.picture.height());
        EXPECT_EQ(test::meanDifference(d.picture, test::libjpegAtOneEighth(path)), 0.0);
    }
}

TEST_F(JpegDcDecoderTest, HalfSizeColourComesCloseToLibjpegs) {
    // libjpeg decodes half-size colour with a larger inverse DCT; ours is
    // interpolated between DC values, which on a photo's slow changes of
    // colour makes little difference.
    QImage photo(320, 240, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 320, 240);
    sky.setColorAt(0, QColor(30, 60, 150));
    sky.setColorAt(1, QColor(240, 180, 90));
    painter.fillRect(photo.rect(), sky);
    painter.end();
    const std::string path = folder.file("photo.jpg");
    test::writeJpeg(path, photo, {});
    const Decoded d = decodeDc(path);
    ASSERT_TRUE(d.decoded);
    EXPECT_LT(test::meanDifference(d.picture, test::libjpegAtOneEighth(path)), 1.5);
}

TEST_F(JpegDcDecoderTest, LeavesToLibjpegWhatItDoesNotRead) {
    EXPECT_FALSE(decodeDc(jpeg("baseline.jpg", {64, 48}, {.progressive = false})).headerRead);

    // Cut in the first scan, the DC values of every block: nothing comes out.
    const std::string whole = test::readFile(jpeg("whole.jpg", {64, 48}, {}));
    const Decoded cutInDc = decodeDc(cutInScan("cut in dc.jpg", whole, 1));
    EXPECT_TRUE(cutInDc.headerRead);
    EXPECT_FALSE(cutInDc.decoded);
    EXPECT_EQ(cutInDc.rows, 0);
    // Cut in the scans after it: the 1/8 picture has all it needs.
    const Decoded cutLater = decodeDc(cutInScan("cut later.jpg", whole, 2));
    ASSERT_TRUE(cutLater.decoded);
    EXPECT_EQ(cutLater.rows, 6);
}

TEST_F(JpegDcDecoderTest, AHeaderClaimingAHugePictureIsDeclinedAtOnce) {
    std::string bytes = test::readFile(jpeg("small.jpg", {16, 16}, {.grey = true}));
    const size_t frame = bytes.find("\xFF\xC2");
    ASSERT_NE(frame, std::string::npos);
    for (size_t at : {frame + 5, frame + 7}) bytes.replace(at, 2, "\xFD\xE8");  // 65000 pixels
    test::writeFile(folder.file("huge.jpg"), bytes);
    EXPECT_FALSE(decodeDc(folder.file("huge.jpg")).headerRead);
}

}  // namespace
}  // namespace skyfolio
