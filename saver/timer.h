#pragma once

#include <chrono>
#include <functional>

namespace skyfolio {

// The effects' speeds were designed against timers that could not fire more
// than about 64 times a second. One display frame is the floor of every
// saver timer: faster ticks would speed the animations up and draw frames
// nobody sees.
inline constexpr std::chrono::milliseconds kDisplayFrame{16};

// A timer as the saver's procedures see it: an interval in milliseconds and
// an enabled flag, set like a property. Whoever drives the timers (the saver
// window, or a test calling the handlers itself) watches for changes.
class Timer {
public:
    explicit Timer(int designInterval = 0) : interval_(designInterval) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }

    // A new interval starts the count afresh.
    void setInterval(int ms) {
        interval_ = ms;
        changed();
    }
    void setEnabled(bool enabled) {
        enabled_ = enabled;
        changed();
    }

    void onChange(std::function<void()> observer) { observer_ = std::move(observer); }

private:
    void changed() {
        if (observer_) observer_();
    }

    int interval_;
    bool enabled_ = false;
    std::function<void()> observer_;
};

}  // namespace skyfolio
