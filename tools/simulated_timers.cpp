#include "tools/simulated_timers.h"

#include <algorithm>

namespace skyfolio {
namespace {

// The window's timers never fire more often than this; interval 0 never fires.
constexpr int kShortestIntervalMs = 16;

}  // namespace

SimulatedTimers::SimulatedTimers(Form1& form)
    : form_(form),
      slots_{{{&form.Timer1, &Form1::Timer1_Timer},
              {&form.Timer2, &Form1::Timer2_Timer},
              {&form.Timer4, &Form1::Timer4_Timer},
              {&form.Timer5, &Form1::Timer5_Timer}}} {
    for (Slot& slot : slots_) {
        restart(slot);
        slot.timer->onChange([this, &slot] { restart(slot); });
    }
}

SimulatedTimers::~SimulatedTimers() {
    for (Slot& slot : slots_) slot.timer->onChange(nullptr);
}

void SimulatedTimers::restart(Slot& slot) { slot.due = now_ + std::max(slot.timer->Interval(), kShortestIntervalMs); }

bool SimulatedTimers::runUntilTick() {
    for (;;) {
        Slot* next = nullptr;
        for (Slot& slot : slots_)
            if (slot.timer->Enabled() && slot.timer->Interval() > 0 && (!next || slot.due < next->due)) next = &slot;
        if (!next) return false;
        now_ = next->due;
        next->due = now_ + std::max(next->timer->Interval(), kShortestIntervalMs);
        (form_.*next->handler)();
        if (next->timer == &form_.Timer1 || next->timer == &form_.Timer5) return true;
    }
}

}  // namespace skyfolio
