#pragma once

#include "platform/timer.h"

#include <QTimer>

#include <functional>
#include <optional>

namespace skyfolio {

// The old platform's timers could not fire more than about 64 times a second;
// the effects' speeds were designed against that. One display frame is our
// floor: faster ticks would speed the animations up and draw frames nobody sees.
inline constexpr int kShortestTimerInterval = 16;

// The interval the platform runs a saver timer at; none for 0, which never fires.
std::optional<int> platformInterval(int interval);

// Runs one of the saver's timers on the event loop: follows the timer's
// interval and enabled flag and calls its handler. A new interval starts the
// count afresh. The handler is never re-entered: a tick that falls due while
// it runs, also inside a nested event loop, is dropped.
class TimerDriver {
public:
    TimerDriver(Timer& timer, std::function<void()> handler);
    ~TimerDriver();
    TimerDriver(const TimerDriver&) = delete;
    TimerDriver& operator=(const TimerDriver&) = delete;

    // Stops for good: the form that owns the timer is gone.
    void halt();

private:
    void follow();
    void fire();

    Timer& timer_;
    std::function<void()> handler_;
    QTimer ticks_;
    int interval_;
    bool enabled_ = false;
    bool running_ = false;
    bool halted_ = false;
};

}  // namespace skyfolio
