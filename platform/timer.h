#pragma once

#include <functional>

namespace skyfolio {

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

    // A new interval starts the count afresh, as a new value does on the old platform.
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
