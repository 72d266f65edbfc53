// The motion rules: how each copy effect aims a copy and moves it through the
// size steps. Together with the speed table effectParam they give each effect
// its course.

#include "saver/copy_effects.h"
#include "saver/random.h"
#include "settings/conversions.h"

#include <array>

namespace skyfolio {
namespace {

enum Quadrant { TopLeft, TopRight, BottomLeft, Elsewhere };

// The quadrant of a copy's corner; the centre lines belong to the right and
// bottom halves, and a corner off the screen counts as elsewhere.
Quadrant QuadrantOf(int x, int y, int W, int H) {
    const double halfW = W / 2.0;
    const double halfH = H / 2.0;
    if (x >= 0 && y >= 0 && x < halfW && y < halfH) return TopLeft;
    if (y >= 0 && y < halfH && x >= halfW && x <= W) return TopRight;
    if (x >= 0 && x < halfW && y >= halfH && y < H) return BottomLeft;
    return Elsewhere;
}

struct Step {
    int x, y;
};

// By quadrant: toward its outer corner, per pixel of speed.
constexpr std::array<Step, 4> kOutward = {{{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};
// By quadrant: clockwise round the centre (y grows downward).
constexpr std::array<Step, 4> kVortexSteps = {{{15, -20}, {20, 15}, {-20, -15}, {-15, 20}}};

// A Vortex copy is re-aimed and grows when its count reaches this.
constexpr int kVortexReaimCount = 2;
// Jumping Beans' horizontal range is narrower than the vertical by this much,
// so the beans drift to the left.
constexpr double kJumpLeftward = 10;

}  // namespace

void CopyEffects::SetCopyStep(Copy& copy, int16_t speed) {
    const auto quadrant = [&] { return QuadrantOf(copy.x, copy.y, ScaleWidth(), ScaleHeight()); };
    switch (effect.motion.stepRule) {
    case StepRule::JumpingBeans: {
        const double S = cfg_.cfgJumpSpeed;
        const double r1 = random_.uniform();
        const double r2 = random_.uniform();
        copy.stepX = SaturatedInt16(Floor((2 * S - kJumpLeftward) * r1) - S);
        copy.stepY = SaturatedInt16(Floor(2 * S * r2) - S);
        return;
    }
    case StepRule::Vortex: {
        const Step step = kVortexSteps[quadrant()];
        copy.stepX = step.x;
        copy.stepY = step.y;
        return;
    }
    case StepRule::OutwardDiagonal: {
        const Step direction = kOutward[quadrant()];
        copy.stepX = direction.x * speed;
        copy.stepY = direction.y * speed;
        return;
    }
    }
}

void CopyEffects::StepCopy(Copy& copy) {
    const int k = copy.size;
    const SizeCourse course = effect.motion.course;
    if (course == SizeCourse::GrowEveryThirdTick) {
        if (copy.vortex != kVortexReaimCount) {
            ++copy.vortex;
            return;
        }
        SetCopyStep(copy, effectParam[speedOf(k)]);
        if (k > kLargestSizeStep) copy.size = k - 1;
        copy.vortex = 0;
        return;
    }
    if (k > kLargestSizeStep) {
        SetCopyStep(copy, effectParam[speedOf(k)]);
        copy.size = k - 1;
        return;
    }
    SetCopyStep(copy, effectParam[speedOf(kLargestSizeStep)]);
    if (course == SizeCourse::GrowAndDealAgain) copy.size = kSmallestSizeStep;
}

void CopyEffects::StepWarpCopy(Copy& copy) {
    const int k = copy.size;
    if (k < kSmallestSizeStep) {
        SetCopyStep(copy, effectParam[speedOf(k)]);
        copy.size = k + 1;
    } else {
        SetCopyStep(copy, effectParam[speedOf(kSmallestSizeStep)]);
    }
}

}  // namespace skyfolio
