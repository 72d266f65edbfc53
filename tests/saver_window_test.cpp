#include "platform/qt_saver_host.h"
#include "platform/saver_window.h"
#include "tests/support/qt_application.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace skyfolio {
namespace {

class SaverWindowTest : public ::testing::Test {
protected:
    SaverWindowTest() {
        window.setInput({
            .keyDown = [this] { ++keys; },
            .mouseDown = [this] { ++buttons; },
            .mouseMove = [this](float x, float y) { moves.push_back({x, y}); },
        });
    }
    void press(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::NoButton) {
        QMouseEvent event(type, at, window.mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }

    test::QtApplication qt;
    SaverWindow window;
    int keys = 0, buttons = 0;
    std::vector<std::pair<float, float>> moves;
};

TEST_F(SaverWindowTest, CoversThePrimaryScreenWithoutAPointer) {
    window.showForm();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_EQ(window.surface().image().size(), QGuiApplication::primaryScreen()->geometry().size());
    EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);

    window.placeWindow(false);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QGuiApplication::primaryScreen()->geometry());
}

TEST_F(SaverWindowTest, EveryKeyButtonAndMovementIsHandedOn) {
    window.showForm();
    for (int key : {Qt::Key_A, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape})
        press(key);
    EXPECT_EQ(keys, 6);
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);
    EXPECT_EQ(buttons, 1);
    mouse(QEvent::MouseMove, {120.5, 64});
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], std::make_pair(120.5f, 64.0f));
}

TEST_F(SaverWindowTest, ADisabledFormTakesNoInput) {
    window.showForm();
    window.setInputEnabled(false);
    press(Qt::Key_A);
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    EXPECT_EQ(keys + buttons, 0);
    window.setInputEnabled(true);
    press(Qt::Key_A);
    EXPECT_EQ(keys, 1);
}

TEST_F(SaverWindowTest, TheHostPaintsTheBackColourGivenAsBlueGreenRed) {
    QtSaverHost host(window);
    host.setBackColor(0x0000FF);
    EXPECT_EQ(window.surface().image().pixel(5, 5), qRgb(255, 0, 0));
    host.setBackColor(0x804020);
    EXPECT_EQ(window.surface().image().pixel(5, 5), qRgb(0x20, 0x40, 0x80));
    EXPECT_EQ(host.screenPixels().width, QGuiApplication::primaryScreen()->geometry().width());
}

TEST_F(SaverWindowTest, UnloadingHidesTheFormAndStopsItsTimersAndEndingIsRemembered) {
    int unloads = 0;
    QtSaverHost host(window, 1);
    host.onUnload([&] { ++unloads; });
    EXPECT_EQ(host.platformId(), 1);
    host.setScreenSaverRunning(true);
    EXPECT_TRUE(host.screenSaverRunning());

    window.showForm();
    host.unloadForm();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(unloads, 1);

    window.showForm();
    EXPECT_FALSE(host.ended());
    host.endProgram();  // before any event loop runs: the start-up must see it
    EXPECT_TRUE(host.ended());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(unloads, 2);

    // A message box shown afterwards still waits for its answer.
    QEventLoop later;
    bool ran = false;
    QTimer::singleShot(0, &later, [&] {
        ran = true;
        later.quit();
    });
    later.exec();
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace skyfolio
