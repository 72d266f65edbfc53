#pragma once

#include "saver/form1.h"

#include <array>
#include <cstdint>

namespace skyfolio {

// The copy effects' timers driven on a simulated clock instead of a window's
// event loop: each enabled timer fires when its interval has passed since it
// was enabled or last fired, earliest first, one handler at a time.
class SimulatedTimers {
public:
    explicit SimulatedTimers(Form1& form);
    SimulatedTimers(const SimulatedTimers&) = delete;
    SimulatedTimers& operator=(const SimulatedTimers&) = delete;
    ~SimulatedTimers();

    // Fires timers until one animation tick (Timer1 or Timer5) has run.
    // False when no timer is left that could fire one.
    bool runUntilTick();

private:
    struct Slot {
        Timer* timer;
        void (Form1::*handler)();
        int64_t due = 0;
    };
    void restart(Slot& slot);

    Form1& form_;
    std::array<Slot, 4> slots_;
    int64_t now_ = 0;
};

}  // namespace skyfolio
