#include "platform/timer_driver.h"
#include "tests/support/qt_application.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>


namespace skyfolio {
namespace {

class TimerDriverTest : public ::testing::Test {
protected:
    test::QtApplication qt;

    // Runs the event loop for `ms` milliseconds.
    static void runFor(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // Runs the event loop until `done` holds; false after five seconds.
    template <typename Condition>
    static bool runUntil(Condition done) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 5000) return false;
            runFor(5);
        }
        return true;
    }
};

TEST_F(TimerDriverTest, OneDisplayFrameIsTheShortestIntervalAndZeroNeverFires) {
    EXPECT_EQ(platformInterval(0), std::nullopt);
    EXPECT_EQ(platformInterval(-20), std::nullopt);
    EXPECT_EQ(platformInterval(1), kShortestTimerInterval);
    EXPECT_EQ(platformInterval(16), 16);
    EXPECT_EQ(platformInterval(17), 17);
    EXPECT_EQ(platformInterval(10000), 10000);
}

TEST_F(TimerDriverTest, FiresOnlyWhileEnabledWithAnInterval) {
    Timer zero{0}, disabled{1};
    int fires = 0;
    TimerDriver a(zero, [&] { ++fires; });
    TimerDriver b(disabled, [&] { ++fires; });
    zero.setEnabled(true);
    runFor(100);
    EXPECT_EQ(fires, 0);

    zero.setInterval(1);
    ASSERT_TRUE(runUntil([&] { return fires >= 2; }));
    zero.setEnabled(false);
    const int before = fires;
    runFor(100);
    EXPECT_EQ(fires, before);
}

TEST_F(TimerDriverTest, AOneShotThatDisablesItselfFiresOnce) {
    Timer once{1};
    int fires = 0;
    TimerDriver driver(once, [&] {
        ++fires;
        once.setEnabled(false);
    });
    once.setEnabled(true);
    runFor(150);
    EXPECT_EQ(fires, 1);
    once.setEnabled(true);
    runFor(150);
    EXPECT_EQ(fires, 2);
}

TEST_F(TimerDriverTest, ANewIntervalStartsTheCountAfresh) {
    Timer timer{400};
    QElapsedTimer sinceStart;
    qint64 firedAt = -1;
    TimerDriver driver(timer, [&] {
        if (firedAt < 0) firedAt = sinceStart.elapsed();
    });
    sinceStart.start();
    timer.setEnabled(true);
    runFor(300);
    timer.setInterval(500);
    ASSERT_TRUE(runUntil([&] { return firedAt >= 0; }));
    EXPECT_GE(firedAt, 800);  // not at 400
}

TEST_F(TimerDriverTest, AHaltedTimerStaysSilent) {
    Timer timer{1};
    int fires = 0;
    TimerDriver driver(timer, [&] { ++fires; });
    timer.setEnabled(true);
    driver.halt();
    timer.setInterval(20);
    timer.setEnabled(true);
    runFor(100);
    EXPECT_EQ(fires, 0);
}

}  // namespace
}  // namespace skyfolio
