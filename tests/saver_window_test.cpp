#include "platform/qt_saver_host.h"
#include "platform/saver_window.h"
#include "tests/support/qt_application.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

class SaverWindowTest : public ::testing::Test {
protected:
    SaverWindowTest() {
        SaverInput input;
        input.keyDown = [this] { ++keys; };
        input.mouseDown = [this] { ++buttons; };
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

    test::QtApplication qt;
    SaverWindow window;
    int keys = 0, buttons = 0;
};

TEST_F(SaverWindowTest, CoversThePrimaryScreenWithoutAPointer) {
    window.showForm();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QGuiApplication::primaryScreen()->geometry());
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(window.surface().size(), (PictureSize{screen.width(), screen.height()}));
    EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);

    window.placeWindow(false);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QGuiApplication::primaryScreen()->geometry());
}

TEST_F(SaverWindowTest, ADisabledFormTakesNoInput) {
    window.showForm();
    window.setInputEnabled(false);
    press(Qt::Key_A);
    click();
    EXPECT_EQ(keys + buttons, 0);
    window.setInputEnabled(true);
    press(Qt::Key_A);
    EXPECT_EQ(keys, 1);
}

TEST_F(SaverWindowTest, UnloadingHidesTheFormAndStopsItsTimersAndEndingIsRemembered) {
    int unloads = 0;
    QtSaverHost host(window);
    host.onUnload([&] { ++unloads; });

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
    // The loop that starts afterwards ends at once.
    QTimer::singleShot(5000, [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(SaverWindowTest, TheProgramEndsOnlyOnceItsMessageIsAnswered) {
    QtSaverHost host(window);
    host.showMessage("gone.jpg\ndoes not exist!");
    host.unloadForm();
    host.endProgram();
    QMessageBox* message = nullptr;
    bool runningWhileAsked = false;
    QTimer::singleShot(50, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) message = box;
        runningWhileAsked = message != nullptr;
        if (message) message->accept();
    });
    QTimer::singleShot(5000, [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(runningWhileAsked);
}

}  // namespace
}  // namespace skyfolio
