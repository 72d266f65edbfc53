#include "saver/transitions.h"

#include "settings/conversions.h"

#include <algorithm>
#include <array>

namespace skyfolio {
namespace {

constexpr int kBlindWidth = 20;  // pixels per band; also the number of passes
constexpr int kDrawnTransitions = 7;

// The loops' fractional bounds (W / 2, W / 20) are written as whole-number
// comparisons: k <= W / 2 holds exactly when 2k <= W.

void leftWipe(int W, int H, const StepSink& step) {
    for (int k = 1; k <= W; ++k) step({0, 0, k, H});
}

void rightWipe(int W, int H, const StepSink& step) {
    for (int k = 1; k <= W; ++k) step({double(W - k), 0, k, H});
}

// A band in the middle, growing by a pixel on each side per step. Its
// position is halved in single precision and may fall between pixels.
void rightAndLeftWipe(int W, int H, const StepSink& step) {
    int a = 1;
    for (int k = 1; 2 * k <= W; ++k, a += 2) step({float(W - a) / 2, 0, a, H});
}

void upAndDownWipe(int W, int H, const StepSink& step) {
    int b = 1;
    for (int k = 1; 2 * k <= H; ++k, b += 2) step({0, float(H - b) / 2, W, b});
}

// A centred rectangle that keeps the difference between its sides and grows
// by a pixel each way per step.
void centerWipe(int W, int H, const StepSink& step) {
    int a = W > H ? W - H : 1;
    int b = W < H ? H - W : 1;
    const int last = W - a;
    for (int k = 1; k <= last; ++k, ++a, ++b)
        step({Floor((W - a) / 2.0), Floor((H - b) / 2.0), a, b});
}

// Every band opens one more row (or column) per pass, all bands together.
void horizontalBlinds(int W, int H, const StepSink& step) {
    const int m = H / kBlindWidth;
    for (int i = 1; i <= kBlindWidth; ++i)
        for (int j = 0; j <= m; ++j) step({0, double(kBlindWidth * j), W, i});
}

void verticalBlinds(int W, int H, const StepSink& step) {
    for (int i = 1; i <= kBlindWidth; ++i)
        for (int j = 0; kBlindWidth * j <= W; ++j) step({double(kBlindWidth * j), 0, i, H});
}

constexpr std::array<void (*)(int, int, const StepSink&), kDrawnTransitions> kDrawnSteps = {
    leftWipe, rightWipe, rightAndLeftWipe, upAndDownWipe, centerWipe, horizontalBlinds, verticalBlinds,
};

}  // namespace

void forEachTransitionStep(double transition, int W, int H, const StepSink& step) {
    if (transition < kLeftWipe || transition > kVerticalBlinds || transition != Floor(transition)) return;
    kDrawnSteps[static_cast<size_t>(transition) - 1](W, H, step);
}

int randomTransition(double r) {
    // r just below 1 can round 7r + 1 up to 8, which names no transition.
    return std::clamp(static_cast<int>(Floor(kDrawnTransitions * r + 1)), 1, kDrawnTransitions);
}

}  // namespace skyfolio
