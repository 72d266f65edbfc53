#include "platform/image_surface.h"
#include "platform/x11/x11_saver_window.h"
#include "tests/support/qt_application.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <gtest/gtest.h>

#include <optional>

namespace skyfolio {
namespace {

// A window showing a surface, with its input counted.
class SaverWindowTest : public ::testing::Test {
protected:
    SaverWindowTest() {
        SaverInput input;
        input.keyDown = [this] { ++keys; };
        input.mouseDown = [this] { ++buttons; };
        input.mouseMove = [this](const PointerPosition& at) { moved = at; };
        window.setInput(std::move(input));
    }
    void press(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
    void click() {
        const QPointF at(10, 10);
        QMouseEvent event(QEvent::MouseButtonPress, at, window.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
    void moveTo(QPointF at) {
        QMouseEvent event(QEvent::MouseMove, at, window.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }

    test::QtApplication qt;
    std::optional<ImageSurface> surface;
    X11SaverWindow window{[this]() -> const ImageSurface& { return *surface; }};
    int keys = 0, buttons = 0;
    std::optional<PointerPosition> moved;
};

TEST_F(SaverWindowTest, CoversItsScreenWithoutAPointer) {
    const QRect area(40, 30, 320, 200);
    window.cover(QGuiApplication::primaryScreen(), area);
    window.showForm(true);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), area);
    EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);

    window.placeWindow(false);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), area);
}

TEST_F(SaverWindowTest, ADisabledFormTakesNoInput) {
    window.showForm(true);
    window.setInputEnabled(false);
    press(Qt::Key_A);
    click();
    EXPECT_EQ(keys + buttons, 0);
    window.setInputEnabled(true);
    press(Qt::Key_A);
    EXPECT_EQ(keys, 1);
}

TEST_F(SaverWindowTest, MovesAreMeasuredOnTheWindowAndOnTheDesktop) {
    window.cover(QGuiApplication::primaryScreen(), QRect(40, 30, 320, 200));
    window.showForm(true);
    moveTo(QPointF(10, 20));
    ASSERT_TRUE(moved);
    const QPoint desktop = window.mapToGlobal(QPoint(10, 20)) - window.screen()->virtualGeometry().topLeft();
    EXPECT_EQ(moved->x, 10);
    EXPECT_EQ(moved->y, 20);
    EXPECT_EQ(moved->desktopX, desktop.x());
    EXPECT_EQ(moved->desktopY, desktop.y());
}

// The toolkit scales everything twice: the window's own pixels still show
// the surface one to one.
class HighDensityWindowTest : public ::testing::Test {
protected:
    // Set before the application reads it, gone before the next test's.
    struct ScaleFactor {
        ScaleFactor() { qputenv("QT_SCALE_FACTOR", "2"); }
        ~ScaleFactor() { qunsetenv("QT_SCALE_FACTOR"); }
    } scaleFactor;
    test::QtApplication qt;
};

TEST_F(HighDensityWindowTest, ShowsTheSurfaceInDevicePixelsAndMeasuresMovesInThem) {
    // One-pixel stripes blur at once if scaled.
    const QSize logical(60, 40), device(120, 80);
    ImageSurface surface(device, nullptr);
    for (int x = 0; x < device.width(); x += 2)
        surface.copy(Pixels({1, device.height()}, std::vector<uint32_t>(size_t(device.height()), rgb32(255, 255, 255))),
                     {0, 0, 1, device.height()}, x, 0);
    PointerPosition at;
    X11SaverWindow window([&]() -> const ImageSurface& { return surface; });
    SaverInput input;
    input.mouseMove = [&](const PointerPosition& position) { at = position; };
    window.setInput(std::move(input));
    window.cover(QGuiApplication::primaryScreen(), QRect(QPoint(0, 0), logical));
    window.showForm(false);
    ASSERT_EQ(window.devicePixelRatioF(), 2);

    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), device);
    EXPECT_EQ(shown, surface.shown());

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 7), window.mapToGlobal(QPointF(5, 7)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    EXPECT_EQ(at.x, 10);
    EXPECT_EQ(at.y, 14);
}

}  // namespace
}  // namespace skyfolio
