#include "platform/qt_saver_host.h"
#include "platform/saver_window.h"
#include "tests/support/qt_application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

using namespace std::chrono_literals;

// Float's picture box on the real saver window.
class FloatWindowTest : public ::testing::Test {
protected:
    FloatWindowTest() {
        SaverInput input;
        input.mouseDown = [this] { ++buttons; };
        input.mouseMove = [this](float, float) { ++formMoves; };
        input.pictureMouseMove = [this](float x, float y) { pictureMoves.emplace_back(x, y); };
        window.setInput(std::move(input));
        window.showForm();
        FloatBox& box = host.firstPicture();
        box.resize(40 * 15, 30 * 15);
        box.move(100 * 15, 50 * 15);
        box.setVisible(true);
    }
    void send(QEvent::Type type, QPointF at, Qt::MouseButton button) {
        QWidget& widget = window.firstPicture().widget();
        QMouseEvent event(type, at, widget.mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }

    test::QtApplication qt;
    SaverWindow window;
    QtSaverHost host{window};
    int buttons = 0, formMoves = 0;
    std::vector<QPointF> pictureMoves;
};

TEST_F(FloatWindowTest, ThePictureTakesTheFormsColourAndReportsItsOwnPointerMovements) {
    host.setBackColor(0x0000FF);  // red, as 0x00BBGGRR
    const QImage shown = window.firstPicture().widget().grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(Qt::red));

    send(QEvent::MouseMove, {5, 7}, Qt::NoButton);
    EXPECT_EQ(pictureMoves, (std::vector<QPointF>{{5, 7}}));
    EXPECT_EQ(formMoves, 0);
    // A click on the picture is a click on the saver.
    send(QEvent::MouseButtonPress, {5, 7}, Qt::LeftButton);
    EXPECT_EQ(buttons, 1);
}

TEST_F(FloatWindowTest, ThePauseTellsWhetherTheFormWentMeanwhile) {
    EXPECT_TRUE(host.pauseHandlingEvents(10ms));
    QTimer::singleShot(20, [this] { host.endProgram(); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(host.pauseHandlingEvents(5s));
    EXPECT_LT(clock.elapsed(), 4000);  // ending the saver also ends the pause
}

}  // namespace
}  // namespace skyfolio
