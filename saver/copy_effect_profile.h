#pragma once

#include "saver/picture_set.h"

#include <cstddef>

namespace skyfolio {

// Size steps are member indices: 1 the largest, 12 the smallest.
inline constexpr int kLargestSizeStep = 1;
inline constexpr int kSmallestSizeStep = kMemberCount;

// The element of effectParam that holds the speed of a copy at a size step:
// element 0 belongs to the smallest size, element 11 to the largest.
constexpr size_t speedOf(int sizeStep) { return size_t(kSmallestSizeStep - sizeStep); }

// How SetCopyStep aims a copy.
enum class StepRule {
    OutwardDiagonal,  // away from the centre at the speed given
    Vortex,           // clockwise around the centre, fixed steps
    JumpingBeans,     // a fresh random step, from the jump speed setting
};

// How a copy's size step moves after each drawing.
enum class SizeCourse {
    Grow,                // 12 down to 1, then stays at 1
    GrowAndDealAgain,    // 12 down to 1, then back to 12
    GrowEveryThirdTick,  // one size step and a new aim every third tick
    Shrink,              // 1 up to 12, then stays at 12 (StepWarpCopy)
};

// Who moves the copies on to the next picture.
enum class PictureChange {
    Never,
    ByClock,      // each picture-change clock tick admits more copies
    PacedByCopy0, // the clock only starts it; copy 0's re-launches pace it
};

// What makes one copy effect look like itself; the tick treats every copy alike.
struct CopyEffectProfile {
    int effect;
    StepRule stepRule;
    SizeCourse course;
    int launchSize;  // size step of a re-launched copy; its speed gives the first step
    // A re-launched copy's corner lands at `launchFrom` plus up to
    // `launchSpan` of the screen's width and height.
    double launchFrom;
    double launchSpan;
    PictureChange change;
};

// The profile of the effect with that number; an effect without one of its
// own moves like Skyflock and never changes pictures.
const CopyEffectProfile& copyEffectProfile(double effect);

}  // namespace skyfolio
