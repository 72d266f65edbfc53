#include "platform/timer_driver.h"

#include <algorithm>

namespace skyfolio {

std::optional<int> platformInterval(int interval) {
    if (interval <= 0) return std::nullopt;
    return std::max(interval, kShortestTimerInterval);
}

TimerDriver::TimerDriver(Timer& timer, std::function<void()> handler)
    : timer_(timer), handler_(std::move(handler)), interval_(timer.Interval()) {
    ticks_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks_, &QTimer::timeout, [this] { fire(); });
    timer_.onChange([this] { follow(); });
    follow();
}

TimerDriver::~TimerDriver() { timer_.onChange(nullptr); }

void TimerDriver::halt() {
    halted_ = true;
    ticks_.stop();
}

void TimerDriver::follow() {
    if (halted_) return;
    const bool restart = timer_.Interval() != interval_ || (timer_.Enabled() && !enabled_);
    interval_ = timer_.Interval();
    enabled_ = timer_.Enabled();
    const std::optional<int> ms = platformInterval(interval_);
    if (!enabled_ || !ms) {
        ticks_.stop();
    } else if (restart || !ticks_.isActive()) {
        ticks_.start(*ms);
    }
}

void TimerDriver::fire() {
    if (!halted_) handler_();
}

}  // namespace skyfolio
