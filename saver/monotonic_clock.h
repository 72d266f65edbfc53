#pragma once

#include <chrono>

namespace skyfolio {

// The time that paces the saver's pauses and transitions: it only goes
// forward, whatever the time of day does.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    // Time since some fixed moment.
    virtual std::chrono::nanoseconds now() const = 0;
};

}  // namespace skyfolio
