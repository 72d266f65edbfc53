#include "platform/step_pacer.h"

#include <algorithm>
#include <thread>

namespace skyfolio {

StepPacer::StepPacer(Clock::duration frame, Hooks hooks) : frame_(frame), hooks_(std::move(hooks)) {}

StepPacer::StepPacer(Clock::duration frame, std::function<void()> present)
    : StepPacer(frame, Hooks{[] { return Clock::now(); },
                             [](Clock::time_point until) { std::this_thread::sleep_until(until); },
                             std::move(present)}) {}

void StepPacer::stepDrawn() {
    const Clock::time_point now = hooks_.now();
    // A step long after the last one begins a new transition: its schedule
    // starts now. Drawing slower than the pace is never more than a frame
    // behind, so a faster stretch does not rush to catch up.
    if (now - lastStep_ > frame_) due_ = now;
    due_ = std::max(due_, now - frame_);
    lastStep_ = now;
    if (now - lastPresent_ >= frame_) {
        hooks_.present();
        lastPresent_ = now;
    }
    due_ += kStepInterval;
    hooks_.sleepUntil(due_);
}

}  // namespace skyfolio
