#include "tools/simulated_timers.h"

#include <algorithm>

namespace skyfolio {
namespace {

// The window's timers never fire more often than once per display frame;
// interval 0 never fires.
constexpr int64_t kShortestIntervalMs = kDisplayFrame.count();

}  // namespace

SimulatedTimers::SimulatedTimers(Form1& form, SimulatedClock& clock)
    : form_(form),
      clock_(clock),
      slots_{{{&form.Timer1, &Form1::Timer1_Timer},
              {&form.Timer2, &Form1::Timer2_Timer},
              {&form.Timer4, &Form1::Timer4_Timer},
              {&form.Timer5, &Form1::Timer5_Timer},
              {&form.Timer3, &Form1::Timer3_Timer},
              {&form.ChangeTimer, &Form1::ChangeTimer_Timer},
              {&form.slideshow.FrameTimer, &Form1::SlideshowFrame_Timer},
              {&form.slideshow.NextImageTimer, &Form1::SlideshowChange_Timer}}} {
    for (Slot& slot : slots_) {
        restart(slot);
        slot.timer->onChange([this, &slot] { restart(slot); });
    }
}

SimulatedTimers::~SimulatedTimers() {
    for (Slot& slot : slots_) slot.timer->onChange(nullptr);
}

void SimulatedTimers::restart(Slot& slot) { slot.due = now_ + std::max<int64_t>(slot.timer->Interval(), kShortestIntervalMs); }

const Timer* SimulatedTimers::runNext() {
    Slot* next = nullptr;
    for (Slot& slot : slots_)
        if (slot.timer->Enabled() && slot.timer->Interval() > 0 && (!next || slot.due < next->due)) next = &slot;
    if (!next) return nullptr;
    now_ = next->due;
    clock_.set(std::chrono::milliseconds(now_));
    next->due = now_ + std::max<int64_t>(next->timer->Interval(), kShortestIntervalMs);
    (form_.*next->handler)();
    return next->timer;
}

}  // namespace skyfolio
