// The motion rules: how each copy effect aims a copy and moves it through the
// size steps. Together with the speed table effectParam they give each effect
// its course.

#include "saver/copy_effect_profile.h"
#include "saver/form1.h"
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
constexpr std::array<Step, 4> kVortex = {{{15, -20}, {20, 15}, {-20, -15}, {-15, 20}}};

// A Vortex copy is re-aimed and grows when its count reaches this.
constexpr int kVortexReaimCount = 2;
// Jumping Beans' horizontal range is narrower than the vertical by this much,
// so the beans drift to the left.
constexpr double kJumpLeftward = 10;

}  // namespace

void Form1::SetCopyStep(int16_t speed) {
    const size_t i = size_t(copyIndex);
    const auto quadrant = [&] { return QuadrantOf(copyX[i], copyY[i], ScaleWidth(), ScaleHeight()); };
    switch (copyEffectProfile(NumberValue(cfgEffect)).stepRule) {
    case StepRule::JumpingBeans: {
        const double S = NumberValue(cfgJumpSpeed);
        const double r1 = random_.uniform();
        const double r2 = random_.uniform();
        copyStepX[i] = SaturatedInt16(Floor((2 * S - kJumpLeftward) * r1) - S);
        copyStepY[i] = SaturatedInt16(Floor(2 * S * r2) - S);
        return;
    }
    case StepRule::Vortex: {
        const Step step = kVortex[quadrant()];
        copyStepX[i] = step.x;
        copyStepY[i] = step.y;
        return;
    }
    case StepRule::OutwardDiagonal: {
        const Step direction = kOutward[quadrant()];
        copyStepX[i] = direction.x * speed;
        copyStepY[i] = direction.y * speed;
        return;
    }
    }
}

void Form1::StepCopy() {
    const size_t i = size_t(copyIndex);
    const int k = copySize[i];
    const SizeCourse course = copyEffectProfile(NumberValue(cfgEffect)).course;
    if (course == SizeCourse::GrowEveryThirdTick) {
        if (copyVortex[i] != kVortexReaimCount) {
            ++copyVortex[i];
            return;
        }
        SetCopyStep(effectParam[speedOf(k)]);
        if (k > kLargestSizeStep) copySize[i] = k - 1;
        copyVortex[i] = 0;
        return;
    }
    if (k > kLargestSizeStep) {
        SetCopyStep(effectParam[speedOf(k)]);
        copySize[i] = k - 1;
        return;
    }
    SetCopyStep(effectParam[speedOf(kLargestSizeStep)]);
    if (course == SizeCourse::GrowAndDealAgain) copySize[i] = kSmallestSizeStep;
}

void Form1::StepWarpCopy() {
    const size_t i = size_t(copyIndex);
    const int k = copySize[i];
    if (k < kSmallestSizeStep) {
        SetCopyStep(effectParam[speedOf(k)]);
        copySize[i] = k + 1;
    } else {
        SetCopyStep(effectParam[speedOf(kSmallestSizeStep)]);
    }
}

}  // namespace skyfolio
