#include "saver/transition_reveal.h"

#include "saver/timer.h"

#include <algorithm>
#include <cmath>

namespace skyfolio {
namespace {

constexpr std::chrono::milliseconds kStepTime{1};

}  // namespace

TransitionReveal::TransitionReveal(TransitionSteps steps, PixelRect visible, Nanoseconds start)
    : steps_(steps), visible_(visible), due_(start) {}

PixelRect TransitionReveal::shownBy(int n) const {
    if (n < 0) return {};
    const TransitionStep step = steps_[n];
    // Steps may fall between pixels; the nearest pixel serves.
    const PixelRect rect{static_cast<int>(std::lround(step.x)), static_cast<int>(std::lround(step.y)), step.width,
                         step.height};
    return intersected(rect, visible_);
}

// Each step covers the step one stride before it, so what it adds is what
// lies outside that one.
void TransitionReveal::advance(Nanoseconds now, FloatBoxView& view, const FloatBox& box, const Pixels& picture) {
    due_ = std::max(due_, now - Nanoseconds(kDisplayFrame));
    while (!done() && due_ <= now) {
        const RectParts added = subtracted(shownBy(next_), shownBy(next_ - steps_.stride()));
        ++next_;
        if (added.count == 0) continue;
        for (const PixelRect& part : added) view.reveal(box, picture, part);
        due_ += kStepTime;
    }
}

}  // namespace skyfolio
