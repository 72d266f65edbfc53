#include "saver/copy_effect_profile.h"

#include <algorithm>
#include <iterator>

namespace skyfolio {
namespace {

using enum StepRule;
using enum SizeCourse;
using enum PictureChange;

constexpr int kSmallest = kSmallestSizeStep;
constexpr int kLargest = kLargestSizeStep;
// Most copies land anywhere; Vortex copies in the box from 25% to 60% of each side.
constexpr double kAnywhereFrom = 0, kAnywhereSpan = 1;
constexpr double kNearCentreFrom = 0.25, kNearCentreSpan = 0.35;

constexpr CopyEffectProfile kProfiles[] = {
    {0, OutwardDiagonal, Grow, kSmallest, kAnywhereFrom, kAnywhereSpan, ByClock},                // Skyflock
    {2, OutwardDiagonal, Shrink, kLargest, kAnywhereFrom, kAnywhereSpan, ByClock},               // Warp
    {3, OutwardDiagonal, Grow, kSmallest, kAnywhereFrom, kAnywhereSpan, PacedByCopy0},           // Psychedelic
    {4, OutwardDiagonal, GrowAndDealAgain, kSmallest, kAnywhereFrom, kAnywhereSpan, ByClock},    // Deck of Cards
    {5, JumpingBeans, Grow, kSmallest, kAnywhereFrom, kAnywhereSpan, PacedByCopy0},              // Jumping Beans
    {6, Vortex, GrowEveryThirdTick, kSmallest, kNearCentreFrom, kNearCentreSpan, ByClock},       // Vortex
    {7, OutwardDiagonal, Grow, kSmallest, kAnywhereFrom, kAnywhereSpan, PacedByCopy0},           // Splat
};

constexpr CopyEffectProfile kWithoutProfile = {-1, OutwardDiagonal, Grow, kSmallest, kAnywhereFrom, kAnywhereSpan, Never};

}  // namespace

const CopyEffectProfile& copyEffectProfile(double effect) {
    const auto found = std::find_if(std::begin(kProfiles), std::end(kProfiles),
                                    [&](const CopyEffectProfile& p) { return p.effect == effect; });
    return found == std::end(kProfiles) ? kWithoutProfile : *found;
}

}  // namespace skyfolio
