#pragma once

namespace skyfolio {

// The time of day as the saver's procedures read it.
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

}  // namespace skyfolio
