#include "saver/copy_effect_profile.h"

#include <algorithm>
#include <iterator>

namespace skyfolio {
namespace {

using enum StepRule;
using enum SizeCourse;
using enum PictureChange;

// Vortex copies start in the box from 25% to 60% of each side.
constexpr double kNearCentreFrom = 0.25;
constexpr double kNearCentreSpan = 0.35;

constexpr CopyEffectProfile kProfiles[] = {
    {0, OutwardDiagonal, Grow, 12, 0, 0, 1, ByClock},                                  // Skyflock
    {2, OutwardDiagonal, Shrink, 1, 11, 0, 1, ByClock},                                // Warp
    {3, OutwardDiagonal, Grow, 12, 0, 0, 1, PacedByCopy0},                             // Psychedelic
    {4, OutwardDiagonal, GrowAndDealAgain, 12, 0, 0, 1, ByClock},                      // Deck of Cards
    {5, JumpingBeans, Grow, 12, 0, 0, 1, PacedByCopy0},                                // Jumping Beans
    {6, Vortex, GrowEveryThirdTick, 12, 0, kNearCentreFrom, kNearCentreSpan, ByClock}, // Vortex
    {7, OutwardDiagonal, Grow, 12, 0, 0, 1, PacedByCopy0},                             // Splat
};

constexpr CopyEffectProfile kWithoutProfile = {-1, OutwardDiagonal, Grow, 12, 0, 0, 1, Never};

}  // namespace

const CopyEffectProfile& copyEffectProfile(double effect) {
    const auto found = std::find_if(std::begin(kProfiles), std::end(kProfiles),
                                    [&](const CopyEffectProfile& p) { return p.effect == effect; });
    return found == std::end(kProfiles) ? kWithoutProfile : *found;
}

}  // namespace skyfolio
