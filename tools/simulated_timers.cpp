#include "tools/simulated_timers.h"

#include <algorithm>

namespace skyfolio {
namespace {

// The window's timers never fire more often than once per display frame;
// interval 0 never fires.
constexpr int64_t kShortestIntervalMs = kDisplayFrame.count();

}  // namespace

SimulatedTimers::SimulatedTimers(Form1& form, SimulatedClock& clock)
    : clock_(clock),
      slots_(form.timers().begin(), form.timers().end()) {
    for (Slot& slot : slots_) {
        restart(slot);
        slot.timed.timer->onChange([this, &slot] { restart(slot); });
    }
}

SimulatedTimers::~SimulatedTimers() {
    for (Slot& slot : slots_) slot.timed.timer->onChange(nullptr);
}

void SimulatedTimers::restart(Slot& slot) {
    slot.due = now_ + std::max<int64_t>(slot.timed.timer->Interval(), kShortestIntervalMs);
}

const Timer* SimulatedTimers::runNext() {
    Slot* next = nullptr;
    for (Slot& slot : slots_)
        if (slot.timed.timer->Enabled() && slot.timed.timer->Interval() > 0 && (!next || slot.due < next->due))
            next = &slot;
    if (!next) return nullptr;
    now_ = next->due;
    clock_.set(std::chrono::milliseconds(now_));
    next->due = now_ + std::max<int64_t>(next->timed.timer->Interval(), kShortestIntervalMs);
    next->timed.handler();
    return next->timed.timer;
}

}  // namespace skyfolio
