#pragma once

#include "imaging/pixels.h"
#include "saver/float_box_view.h"
#include "saver/transitions.h"

#include <chrono>

namespace skyfolio {

// A drawn transition under way, advanced on the ticks of a timer: one step
// per millisecond of real time since it began, as the eye can follow it. A
// step that adds nothing on the screen takes no time; ticks that come late
// catch up by one display frame at most, so a slow stretch is not rushed.
class TransitionReveal {
public:
    using Nanoseconds = std::chrono::nanoseconds;

    TransitionReveal() = default;
    // `visible`: the part of the picture the screen shows, in its pixels.
    TransitionReveal(TransitionSteps steps, PixelRect visible, Nanoseconds start);

    bool done() const { return next_ >= steps_.count(); }
    // Draws, into the box, what the steps due by `now` add to the picture.
    void advance(Nanoseconds now, FloatBoxView& view, const FloatBox& box, const Pixels& picture);

private:
    // The part of step n that the screen shows; empty before the first step.
    PixelRect shownBy(int n) const;

    TransitionSteps steps_;
    PixelRect visible_;
    int next_ = 0;
    Nanoseconds due_{};  // when the next step that shows something may be drawn
};

}  // namespace skyfolio
