#pragma once

#include "saver/timer.h"

#include <QTimer>

#include <functional>
#include <optional>

namespace skyfolio {

// One display frame is the floor of every saver timer (see kDisplayFrame).
inline constexpr int kShortestTimerInterval = int(kDisplayFrame.count());

// The interval the platform runs a saver timer at; none for 0, which never fires.
std::optional<int> platformInterval(int interval);

// Runs one of the saver's timers on the event loop: follows the timer's
// interval and enabled flag and calls its handler. A new interval starts the
// count afresh.
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
    bool halted_ = false;
};

}  // namespace skyfolio
