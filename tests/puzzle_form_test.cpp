#include "startup/puzzle_form.h"

#include <gtest/gtest.h>

#include <set>

namespace skyfolio {
namespace {

TEST(PuzzleFormTest, ThePictureFillsTheTopLeftOfABoxInItsBackgroundColour) {
    const PuzzleForm form;
    const QImage& box = form.Picture1.image();
    ASSERT_EQ(form.Picture1.size(), PuzzleForm::kPreviewBlock);

    const QRgb background = qRgb(0xD4, 0xD0, 0xC8);
    std::set<QRgb> pictureColours;
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x) {
            const QRgb pixel = box.pixel(x, y) | 0xFF000000u;
            if (x >= PuzzleForm::kPictureSize.width || y >= PuzzleForm::kPictureSize.height)
                ASSERT_EQ(pixel, background) << x << ", " << y;
            else
                pictureColours.insert(pixel);
        }
    }
    EXPECT_GT(pictureColours.size(), 100u);  // a picture, not a plain fill
}

}  // namespace
}  // namespace skyfolio
