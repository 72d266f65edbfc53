#pragma once

#include "platform/clock.h"

namespace skyfolio::test {

// A time of day that moves only when the test says so.
class FakeClock : public Clock {
public:
    explicit FakeClock(double seconds = 12 * 3600) : now(seconds) {}
    double secondsSinceMidnight() const override { return now; }
    void advance(double seconds) { now += seconds; }

    double now;
};

}  // namespace skyfolio::test
