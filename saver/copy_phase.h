#pragma once

#include "saver/copy_effects.h"

#include <array>

namespace skyfolio {

// One of the animation's two phases. Each picture change hands the animation
// to the phase whose incoming set just received the new picture.
struct CopyPhase {
    Timer CopyEffects::*tick;  // the timer that drives this phase
    PictureSet CopyEffects::*outgoing;
    PictureSet CopyEffects::*incoming;
    int switchedPicture;  // Copy::picture of a copy that shows the incoming set
    int readyValue;       // secondImageReady while the incoming set is the newest
    // Paced effects change the picture once admittedCopies reaches the last
    // copy's index plus this, and then set imageChangeDue to `changeDue`.
    int thresholdBeyondLast;
    int changeDue;
    // Paced admission: by the value of cfgChangeNext, the count admitTicks
    // must reach at a re-launch of copy 0 before more copies are admitted;
    // kAdmitAtOnce admits at every such re-launch without counting.
    struct Pace {
        double changeNext;
        int ticks;
    };
    std::array<Pace, 3> pacing;
};

inline constexpr int kAdmitAtOnce = 0;

inline constexpr CopyPhase kTimer1Phase = {
    &CopyEffects::Timer1, &CopyEffects::first, &CopyEffects::second, 1, 1, 5, 1, {{{3, kAdmitAtOnce}, {2, 2}, {1, 4}}}};
inline constexpr CopyPhase kTimer5Phase = {
    &CopyEffects::Timer5, &CopyEffects::second, &CopyEffects::first, 0, 0, 10, 0, {{{3, 3}, {2, 6}, {1, 9}}}};

}  // namespace skyfolio
