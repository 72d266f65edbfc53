#pragma once

#include "saver/form1.h"
#include "saver/monotonic_clock.h"

#include <cstdint>
#include <vector>

namespace skyfolio {

// A clock that moves only when the simulated timers say so.
class SimulatedClock : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override { return now_; }
    void set(std::chrono::milliseconds now) { now_ = now; }

private:
    std::chrono::nanoseconds now_{};
};

// Form1's timers driven on a simulated clock instead of a window's event
// loop: each enabled timer fires when its interval has passed since it was
// enabled or last fired, earliest first, one handler at a time.
class SimulatedTimers {
public:
    SimulatedTimers(Form1& form, SimulatedClock& clock);
    SimulatedTimers(const SimulatedTimers&) = delete;
    SimulatedTimers& operator=(const SimulatedTimers&) = delete;
    ~SimulatedTimers();

    // Runs the handler of the timer due first and returns that timer; none
    // when no timer is left that could fire.
    const Timer* runNext();

private:
    struct Slot {
        explicit Slot(const TimedHandler& timed) : timed(timed) {}
        const TimedHandler& timed;
        int64_t due = 0;
    };
    void restart(Slot& slot);

    SimulatedClock& clock_;
    // In the order of Form1's timers, which breaks ties.
    std::vector<Slot> slots_;
    int64_t now_ = 0;
};

}  // namespace skyfolio
