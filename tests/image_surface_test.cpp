// The saver window's surface: clearing only what was drawn and presenting
// only what changed must show exactly what clearing and showing everything
// would.

#include "imaging/picture.h"
#include "platform/image_surface.h"
#include "tests/support/allocation_counter.h"

#include <QPainter>
#include <QRegion>

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

namespace skyfolio {
namespace {

// A picture whose every pixel tells where it came from, so that a copy put
// one pixel off shows.
Picture patterned(int w, int h, int seed, QImage::Format format = QImage::Format_RGB32) {
    QImage image(w, h, format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb((x * 7 + seed) & 255, (y * 5) & 255, seed * 40));
    return Picture(image);
}

QRegion regionOf(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& r : rects) region += r;
    return region;
}

// The screen as the window keeps it: only the presented rectangles of the
// surface are copied over.
struct Screen {
    explicit Screen(QSize size, QColor background) : image(size, QImage::Format_RGB32) { image.fill(background); }
    void copy(const QImage& from, const std::vector<QRect>& rects) {
        QPainter painter(&image);
        for (const QRect& r : rects) painter.drawImage(r.topLeft(), from, r);
        presents.push_back(rects.size());
    }
    QImage image;
    std::vector<size_t> presents;
};

TEST(ImageSurfaceTest, ShowsWhatAFullClearAndPresentWouldShow) {
    const QSize size(320, 200);
    const QColor background(10, 20, 30);
    const std::vector<Picture> pictures = {patterned(1, 1, 1),     patterned(40, 30, 2),
                                           patterned(100, 60, 3),  patterned(330, 210, 4),
                                           Picture(),              patterned(25, 45, 5, QImage::Format_ARGB32)};
    for (const bool trails : {false, true}) {
        SCOPED_TRACE(trails ? "with trails" : "cleared every frame");
        Screen screen(size, Qt::black);
        ImageSurface surface(size, [&](const std::vector<QRect>& rects) { screen.copy(surface.shown(), rects); });
        surface.setBackground(background.red() | background.green() << 8 | background.blue() << 16);
        QImage expected(size, QImage::Format_RGB32);
        expected.fill(background);

        std::mt19937 generator(trails ? 7 : 3);
        const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(generator); };
        for (int frame = 0; frame < 300; ++frame) {
            if (!trails) {
                surface.clear();
                expected.fill(background);
            }
            // At times more copies than a held-back clear keeps track of.
            for (int copy = between(0, frame % 3 ? 25 : 80); copy > 0; --copy) {
                const Picture& picture = pictures[size_t(between(0, int(pictures.size()) - 1))];
                const int x = between(-120, 340), y = between(-80, 220);
                surface.draw(picture.pixels(), x, y);
                QPainter painter(&expected);
                painter.setCompositionMode(QPainter::CompositionMode_Source);
                if (!picture.isNull()) painter.drawImage(x, y, picture.image());
            }
            surface.present();
            ASSERT_EQ(surface.shown(), expected) << "frame " << frame;
            ASSERT_EQ(screen.image, expected) << "frame " << frame;
        }
        for (const size_t rects : screen.presents) EXPECT_LE(rects, 16u);
    }
}

TEST(ImageSurfaceTest, PresentsOnlyAroundWhatChanged) {
    std::vector<std::vector<QRect>> presented;
    ImageSurface surface(QSize(800, 600), [&](const std::vector<QRect>& rects) { presented.push_back(rects); });
    const Pixels copy = patterned(50, 40, 1).pixels();
    surface.draw(copy, 100, 100);
    surface.present();
    surface.present();  // nothing changed: nothing handed over
    ASSERT_EQ(presented.size(), 1u);
    EXPECT_EQ(presented[0], (std::vector<QRect>{QRect(100, 100, 50, 40)}));

    // Moved a little: the old and the new place make one rectangle.
    surface.clear();
    surface.draw(copy, 110, 105);
    surface.present();
    EXPECT_EQ(presented.back(), (std::vector<QRect>{QRect(100, 100, 60, 45)}));

    // Far apart, they stay apart; off the screen, nothing is drawn.
    surface.clear();
    surface.draw(copy, 700, 500);
    surface.draw(copy, 900, 700);
    surface.present();
    EXPECT_EQ(regionOf(presented.back()), QRegion(QRect(110, 105, 50, 40)) + QRegion(QRect(700, 500, 50, 40)));
    EXPECT_EQ(presented.back().size(), 2u);
}

TEST(ImageSurfaceTest, DrawingClearingAndPresentingAllocateNothing) {
    int presents = 0;
    ImageSurface surface(QSize(640, 480), [&](const std::vector<QRect>&) { ++presents; });
    const Pixels copies[] = {patterned(60, 40, 1).pixels(), patterned(200, 150, 2).pixels()};
    const int64_t before = test::allocationsSoFar();
    for (int frame = 0; frame < 100; ++frame) {
        surface.clear();
        for (int copy = 0; copy < 21; ++copy) surface.draw(copies[copy % 2], (frame * 13 + copy * 97) % 700 - 30, copy * 23);
        surface.present();
    }
    EXPECT_EQ(test::allocationsSoFar() - before, 0);
    EXPECT_EQ(presents, 100);
}

TEST(ImageSurfaceTest, CopiesAPartOfAPictureAndClearsARectangle) {
    std::vector<std::vector<QRect>> presented;
    ImageSurface surface(QSize(100, 80), [&](const std::vector<QRect>& rects) { presented.push_back(rects); });
    surface.setBackground(0x0000FF);  // red, as 0x00BBGGRR
    surface.present();
    const Picture picture = patterned(40, 30, 3);
    // The part's own corner lands at (x, y); what lies outside the picture
    // or the surface is left out.
    surface.copy(picture.pixels(), {10, 5, 50, 10}, -5, 70);
    surface.present();
    EXPECT_EQ(presented.back(), (std::vector<QRect>{QRect(0, 70, 25, 10)}));
    EXPECT_EQ(surface.shown().pixel(0, 70), picture.image().pixel(15, 5));
    EXPECT_EQ(surface.shown().pixel(24, 79), picture.image().pixel(39, 14));
    EXPECT_EQ(surface.shown().pixel(25, 70), qRgb(255, 0, 0));

    surface.clear({20, 75, 500, 500});
    surface.present();
    EXPECT_EQ(presented.back(), (std::vector<QRect>{QRect(20, 75, 80, 5)}));
    EXPECT_EQ(surface.shown().pixel(20, 76), qRgb(255, 0, 0));
    EXPECT_EQ(surface.shown().pixel(19, 76), picture.image().pixel(34, 11));
    // Clearing the whole surface reaches what was drawn before.
    surface.clear();
    surface.present();
    EXPECT_EQ(surface.shown().pixel(0, 70), qRgb(255, 0, 0));
}

TEST(ImageSurfaceTest, TheOverlayLiesAboveTheImageAndMovesWithoutRedrawingIt) {
    std::vector<std::vector<QRect>> presented;
    ImageSurface surface(QSize(100, 80), [&](const std::vector<QRect>& rects) { presented.push_back(rects); });
    const Picture beneath = patterned(100, 80, 1);
    surface.draw(beneath.pixels(), 0, 0);
    surface.present();
    const Picture above = patterned(20, 10, 2);
    surface.setOverlay(above.pixels(), 30, 40);
    surface.present();
    EXPECT_EQ(presented.back(), (std::vector<QRect>{QRect(30, 40, 20, 10)}));
    EXPECT_EQ(surface.shown().pixel(30, 40), above.image().pixel(0, 0));
    // Moved a pixel: the old and the new place are repainted, the image is untouched.
    surface.setOverlay(above.pixels(), 31, 41);
    surface.present();
    EXPECT_EQ(presented.back(), (std::vector<QRect>{QRect(30, 40, 21, 11)}));
    EXPECT_EQ(surface.shown().pixel(30, 40), beneath.image().pixel(30, 40));
    EXPECT_EQ(surface.shown().pixel(50, 50), above.image().pixel(19, 9));
    // Taken away, the image shows again.
    surface.setOverlay(Pixels(), 0, 0);
    surface.present();
    EXPECT_EQ(surface.shown(), beneath.image());
}

// A window that takes the rows as they are gets what a painter would paint,
// and a frame's copies allocate nothing.
TEST(ImageSurfaceTest, CopiesWhatShowsAsRowsWithTheOverlayAbove) {
    ImageSurface surface(QSize(100, 80), nullptr);
    const Picture beneath = patterned(100, 80, 1);
    const Picture above = patterned(20, 10, 2);
    surface.draw(beneath.pixels(), 0, 0);
    surface.setOverlay(above.pixels(), 30, 40);
    const QImage expected = surface.shown();
    const int stride = 107;  // wider than any rectangle, as a band of the window is
    std::vector<uint32_t> rows(size_t(stride) * 80);
    const QRect rects[] = {QRect(0, 0, 100, 80), QRect(35, 45, 5, 3), QRect(20, 30, 20, 15), QRect(45, 0, 55, 80),
                           QRect(0, 10, 100, 20)};
    const int64_t before = test::allocationsSoFar();
    for (const QRect& rect : rects) surface.copyShown(rect, rows.data(), stride);
    EXPECT_EQ(test::allocationsSoFar() - before, 0);
    for (const QRect& rect : rects) {
        surface.copyShown(rect, rows.data(), stride);
        const QImage copied(reinterpret_cast<const uchar*>(rows.data()), rect.width(), rect.height(),
                            qsizetype(stride) * qsizetype(sizeof(uint32_t)), QImage::Format_RGB32);
        EXPECT_EQ(copied, expected.copy(rect)) << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
    }
}

TEST(DirtyRectanglesTest, CoversEverythingAddedWithinItsLimit) {
    std::mt19937 generator(11);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(generator); };
    for (const size_t limit : {1u, 4u, 32u}) {
        DirtyRectangles dirty(limit);
        QRegion added;
        for (int n = 0; n < 200; ++n) {
            const QRect r(between(0, 3000), between(0, 2000), between(0, 300), between(0, 300));
            dirty.add(r);
            added += r;
            ASSERT_LE(dirty.rects().size(), limit);
            ASSERT_TRUE((added - regionOf(dirty.rects())).isEmpty()) << "limit " << limit << ", rectangle " << n;
        }
        dirty.reset();
        EXPECT_TRUE(dirty.empty());
    }
}

// A server reading the rows straight from the segments sees what the
// surface shows, and nothing presented is drawn over before it has read it.
TEST(ImageSurfaceTest, SharedRowsHoldWhatShowsAndWaitForTheirReader) {
    int waits = 0;
    ImageSurface surface(QSize(200, 100), nullptr, ImageSurface::Sharing{.awaitReader = [&] { ++waits; }});
    ASSERT_NE(surface.sharedRows(), nullptr);
    const Picture copy = patterned(30, 20, 1), floating = patterned(50, 40, 2);
    surface.draw(copy.pixels(), 10, 10);
    surface.setOverlay(floating.pixels(), 100, 50);
    EXPECT_EQ(waits, 0);
    surface.present();
    surface.setOverlay(floating.pixels(), 110, 55);  // moved: nothing rewritten
    EXPECT_EQ(waits, 0);
    surface.clear();
    surface.draw(copy.pixels(), 12, 10);
    EXPECT_EQ(waits, 1);

    const QImage rows(reinterpret_cast<const uchar*>(surface.sharedRows()->data()), 200, 100, 200 * 4,
                      QImage::Format_RGB32);
    const QImage shown = surface.shown();
    EXPECT_EQ(rows.copy(0, 0, 100, 100), shown.copy(0, 0, 100, 100));
    ASSERT_NE(surface.sharedOverlayRows(), nullptr);
    const QImage overlay(reinterpret_cast<const uchar*>(surface.sharedOverlayRows()->data()), 50, 40, 50 * 4,
                         QImage::Format_RGB32);
    EXPECT_EQ(overlay, shown.copy(surface.overlayArea()));
    EXPECT_EQ(overlay, floating.image().convertToFormat(QImage::Format_RGB32));

    // A new picture is copied in only once the server has read the last
    // present; a larger one gets a larger segment, a smaller one the same.
    surface.present();
    surface.setOverlay(copy.pixels(), 0, 0);
    EXPECT_EQ(waits, 2);
    const Picture large = patterned(120, 90, 3);
    for (const Picture* picture : {&large, &copy}) {
        surface.setOverlay(picture->pixels(), 20, 5);
        const QSize size = picture->image().size();
        const QImage shared(reinterpret_cast<const uchar*>(surface.sharedOverlayRows()->data()), size.width(),
                            size.height(), size.width() * 4, QImage::Format_RGB32);
        EXPECT_EQ(shared, picture->image().convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(surface.shown().copy(surface.overlayArea()), shared);
    }

    // A frame written row by row, as Slideshow's, waits as well.
    surface.present();
    const int before = waits;
    surface.fillRows({0, 0, 10, 2}, [](int, uint32_t* row) { std::fill_n(row, 10, 0xff00ff00u); });
    EXPECT_EQ(waits, before + 1);
}

// A compositor holds the rows it was shown until it lets go of them: the
// engine then draws in other rows, brought up to date first, and comes back
// to rows let go of; the rows held are never written, and each picture
// floating above gets rows of its own, moved without writing any.
TEST(ImageSurfaceTest, RowsACompositorHoldsAreNeverWritten) {
    std::set<const SharedRows*> held;
    int presents = 0;
    ImageSurface surface(QSize(200, 100), [&](const std::vector<QRect>&) { ++presents; },
                         ImageSurface::Sharing{.reader = SharedRows::Reader::Compositor,
                                               .stillRead = [&](const SharedRows& rows) { return held.count(&rows) > 0; },
                                               .overlayApart = true});
    const auto rowsOf = [](const std::shared_ptr<const SharedRows>& rows) {
        return QImage(reinterpret_cast<const uchar*>(rows->data()), 200, 100, 200 * 4, QImage::Format_RGB32).copy();
    };
    const Picture one = patterned(30, 20, 1), two = patterned(40, 30, 2), floating = patterned(50, 40, 3);
    surface.draw(one.pixels(), 10, 10);
    surface.present();
    const std::shared_ptr<const SharedRows> first = surface.sharedRows();
    ASSERT_NE(first, nullptr);
    const auto drawAndPresent = [&](const Picture& picture, int x, int y) {
        surface.clear();
        surface.draw(picture.pixels(), x, y);
        surface.present();
    };

    held = {first.get()};
    const QImage shownFirst = rowsOf(first);
    drawAndPresent(two, 100, 50);
    const std::shared_ptr<const SharedRows> second = surface.sharedRows();
    ASSERT_NE(second, first);
    EXPECT_EQ(rowsOf(first), shownFirst);
    EXPECT_EQ(rowsOf(second), surface.shown());

    held = {second.get()};
    drawAndPresent(one, 150, 0);
    EXPECT_EQ(surface.sharedRows(), first);
    EXPECT_EQ(rowsOf(first), surface.shown());
    held.clear();
    drawAndPresent(two, 0, 60);
    EXPECT_EQ(surface.sharedRows(), first);
    EXPECT_EQ(rowsOf(first), surface.shown());

    // Both held, as while the compositor takes the next: a third.
    held = {first.get(), second.get()};
    const QImage shownSecond = rowsOf(second);
    drawAndPresent(one, 5, 5);
    EXPECT_NE(surface.sharedRows(), first);
    EXPECT_NE(surface.sharedRows(), second);
    EXPECT_EQ(rowsOf(surface.sharedRows()), surface.shown());
    EXPECT_EQ(rowsOf(second), shownSecond);

    const QImage beneath = rowsOf(surface.sharedRows());
    surface.setOverlay(floating.pixels(), 20, 20);
    surface.present();
    const std::shared_ptr<const SharedRows> overlay = surface.sharedOverlayRows();
    ASSERT_NE(overlay, nullptr);
    held.insert(overlay.get());
    const int before = presents;
    surface.setOverlay(floating.pixels(), 30, 25);
    surface.present();
    EXPECT_EQ(presents, before + 1);
    EXPECT_EQ(surface.sharedOverlayRows(), overlay);
    surface.setOverlay(two.pixels(), 30, 25);
    EXPECT_NE(surface.sharedOverlayRows(), overlay);
    EXPECT_EQ(rowsOf(surface.sharedRows()), beneath);

    // Taken away, as through Float's transitions, a picture's rows are not
    // kept for the next: it gets rows of its own anyway.
    const std::weak_ptr<const SharedRows> taken = surface.sharedOverlayRows();
    surface.setOverlay(Pixels(), 0, 0);
    EXPECT_TRUE(taken.expired());
}

}  // namespace
}  // namespace skyfolio
