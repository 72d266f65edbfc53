#include "imaging/picture.h"
#include "imaging/pixel_scaling.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

TEST(PixelRectTest, WhatIsLeftOfARectangleCoversItExactlyOnce) {
    const PixelRect a{10, 20, 30, 40};
    for (const PixelRect& b : {PixelRect{15, 25, 5, 5}, PixelRect{0, 0, 20, 30}, PixelRect{11, 21, 30, 40},
                               PixelRect{10, 20, 30, 40}, PixelRect{100, 100, 5, 5}, PixelRect{10, 20, 0, 0}}) {
        const RectParts parts = subtracted(a, b);
        int64_t area = 0;
        for (const PixelRect& part : parts) {
            EXPECT_EQ(intersected(part, a), part);
            EXPECT_TRUE(intersected(part, b).isEmpty());
            for (const PixelRect& other : parts) {
                if (&other != &part) {
                    EXPECT_TRUE(intersected(part, other).isEmpty());
                }
            }
            area += part.area();
        }
        EXPECT_EQ(area, a.area() - intersected(a, b).area()) << b.x << "," << b.y << " " << b.width << "x" << b.height;
    }
    EXPECT_EQ(subtracted({0, 0, 0, 5}, {1, 1, 1, 1}).count, 0);
}

TEST(PixelsTest, APictureLendsItsPixelsWhichOutliveIt) {
    Pixels pixels;
    {
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(QColor(1, 2, 3));
        image.setPixel(2, 1, qRgb(200, 100, 50));
        pixels = Picture(image).pixels();
    }
    ASSERT_EQ(pixels.size(), (PictureSize{3, 2}));
    EXPECT_EQ(pixels.row(0)[0], rgb32(1, 2, 3));
    EXPECT_EQ(pixels.row(1)[2], rgb32(200, 100, 50));
    EXPECT_TRUE(Picture().pixels().isNull());
    EXPECT_EQ(pixelOfColourValue(0x0000FF), rgb32(255, 0, 0));  // 0x00BBGGRR: red in the lowest byte
}

TEST(PixelScalingTest, AFlatPictureStaysFlatAtEverySize) {
    const uint32_t colour = rgb32(250, 10, 10);
    const Pixels flat({200, 100}, std::vector<uint32_t>(200 * 100, colour));
    for (const PictureSize size : {PictureSize{198, 99}, PictureSize{25, 12}, PictureSize{1, 1}}) {
        const Pixels scaled = scaledByArea(flat, size);
        ASSERT_EQ(scaled.size(), size);
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x) ASSERT_EQ(scaled.row(y)[x], colour);
    }
    EXPECT_TRUE(scaledByArea(flat, {0, 50}).isNull());
    EXPECT_TRUE(scaledByArea(Pixels(), {5, 5}).isNull());
}

}  // namespace
}  // namespace skyfolio
