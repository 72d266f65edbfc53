#include "platform/first_picture_box.h"
#include "saver/transitions.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace skyfolio {
namespace {

const QColor kBackground(10, 20, 30);

// A picture whose every pixel tells where it came from.
Picture gradient(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, 200));
    return Picture(image);
}

// Float's box on a 200 x 100 pixel form.
class FirstPictureBoxTest : public ::testing::Test {
protected:
    FirstPictureBoxTest() {
        form.resize(200, 100);
        form.show();
        box.widget().setBackground(kBackground);
    }
    // The picture box into a cleared box at (x, y) pixels, as Float prepares it.
    void prepare(const Picture& picture, int x, int y) {
        box.setPicture(Picture());
        box.resize(picture.width() * 15, picture.height() * 15);
        box.move(x * 15, y * 15);
        box.setVisible(true);
    }
    QImage shown() { return box.widget().grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void runTransition(int transition, const Picture& picture) {
        forEachTransitionStep(transition, picture.width(), picture.height(),
                              [&](const CopyStep& step) { box.copy(picture, step); });
    }

    test::QtApplication qt;
    QWidget form;
    FirstPictureBox box{form};
};

TEST_F(FirstPictureBoxTest, KeepsTwipsAndShowsWholePixels) {
    box.resize(600, 452);
    box.move(37, -22);
    EXPECT_EQ(box.left(), 37);
    EXPECT_EQ(box.top(), -22);
    EXPECT_EQ(box.height(), 452);
    EXPECT_EQ(box.widget().geometry(), QRect(2, -1, 40, 30));
    EXPECT_FALSE(box.widget().isVisible());  // hidden until Float shows it
}

TEST_F(FirstPictureBoxTest, EveryTransitionEndsWithTheWholePictureOrLessAndNoStrayPixels) {
    const Picture picture = gradient(41, 45);
    for (int transition = kLeftWipe; transition <= kVerticalBlinds; ++transition) {
        SCOPED_TRACE(transition);
        prepare(picture, 0, 0);
        runTransition(transition, picture);
        const QImage image = shown();
        ASSERT_EQ(image.size(), QSize(41, 45));
        for (int y = 0; y < 45; ++y)
            for (int x = 0; x < 41; ++x) {
                const QRgb pixel = image.pixel(x, y);
                ASSERT_TRUE(pixel == picture.image().pixel(x, y) || pixel == kBackground.rgb()) << x << "," << y;
            }
        // The blinds and wipes leave nothing out; the others keep a margin the caller fills.
        if (transition != kRightAndLeftWipe && transition != kUpAndDownWipe && transition != kCenterWipe) {
            EXPECT_EQ(image, picture.image());
        }
    }
}

TEST_F(FirstPictureBoxTest, OnlyWhatTheScreenShowsIsDrawnOrWaitedFor) {
    const Picture picture = gradient(400, 20);
    prepare(picture, -150, 0);  // columns 150 to 349 lie over the form
    PictureBoxWidget& widget = box.widget();
    EXPECT_FALSE(widget.copy(picture.image(), QRect(0, 0, 150, 20)));
    EXPECT_TRUE(widget.copy(picture.image(), QRect(0, 0, 151, 20)));
    EXPECT_FALSE(widget.copy(picture.image(), QRect(140, 0, 11, 20)));  // already there
    EXPECT_FALSE(widget.copy(picture.image(), QRect(350, 0, 50, 20)));
    EXPECT_FALSE(widget.copy(picture.image(), QRect(150, 20, 10, 20)));  // below the picture

    QElapsedTimer clock;
    clock.start();
    runTransition(kLeftWipe, picture);
    EXPECT_GE(clock.elapsed(), 190);  // a millisecond for each of the 199 columns still to come
}

}  // namespace
}  // namespace skyfolio
