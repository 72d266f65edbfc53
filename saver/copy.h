#pragma once

#include <cstddef>

namespace skyfolio {

// Size steps are member indices: 1 the largest, 12 the smallest.
inline constexpr int kMemberCount = 12;
inline constexpr int kLargestSizeStep = 1;
inline constexpr int kSmallestSizeStep = kMemberCount;

// The element of effectParam that holds the speed of a copy at a size step:
// element 0 belongs to the smallest size, element 11 to the largest.
constexpr size_t speedOf(int sizeStep) { return size_t(kSmallestSizeStep - sizeStep); }

// One copy of the picture that a copy effect flies about the screen.
struct Copy {
    // Top-left corner on the screen, pixels; -1 until first placed.
    int x = -1;
    int y = -1;
    // Pixels added to the corner at each tick (copyStepX, copyStepY).
    int stepX = 0;
    int stepY = 0;
    // The size step it is drawn at: which member of its set.
    int size = kSmallestSizeStep;
    // The set it has switched to; see CopyPhase::switchedPicture.
    int picture = 0;
    // Vortex: ticks since it was last re-aimed.
    int vortex = 0;
};

}  // namespace skyfolio
