#pragma once

#include "saver/monotonic_clock.h"

namespace skyfolio {

// The time of day as the input watch reads it.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, fractions included.
    virtual double secondsSinceMidnight() const = 0;
};

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() const override;
};

// The system's steady clock, which no change of the time of day moves.
class SteadyClock : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override;
};

}  // namespace skyfolio
