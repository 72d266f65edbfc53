#include "platform/event_wait.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

namespace skyfolio {
namespace {

using namespace std::chrono_literals;

TEST(WaitHandlingEventsTest, TimersTickWhileItWaits) {
    test::QtApplication qt;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    QElapsedTimer clock;
    clock.start();
    waitHandlingEvents(300ms);
    EXPECT_GE(clock.elapsed(), 299);
    EXPECT_GE(ticks, 5);
}

}  // namespace
}  // namespace skyfolio
