#include "saver/transitions.h"

#include "settings/conversions.h"

#include <algorithm>

namespace skyfolio {
namespace {

constexpr int kBlindWidth = 20;  // pixels per band; also the number of passes
constexpr int kDrawnTransitions = 7;

}  // namespace

// The loops' fractional bounds (W / 2, W / 20) are whole-number divisions:
// k <= W / 2 holds exactly when k <= W \ 2.
TransitionSteps::TransitionSteps(double transition, int W, int H) : W_(W), H_(H) {
    if (transition < kLeftWipe || transition > kVerticalBlinds || transition != Floor(transition)) return;
    transition_ = static_cast<int>(transition);
    switch (transition_) {
    case kLeftWipe:
    case kRightWipe:
        count_ = W;
        break;
    case kRightAndLeftWipe:
        count_ = W / 2;
        break;
    case kUpAndDownWipe:
        count_ = H / 2;
        break;
    case kCenterWipe:
        a0_ = W > H ? W - H : 1;
        b0_ = W < H ? H - W : 1;
        count_ = std::max(0, W - a0_);
        break;
    case kHorizontalBlinds:
        stride_ = H / kBlindWidth + 1;
        count_ = kBlindWidth * stride_;
        break;
    case kVerticalBlinds:
        stride_ = W / kBlindWidth + 1;
        count_ = kBlindWidth * stride_;
        break;
    }
    count_ = std::max(0, count_);
}

TransitionStep TransitionSteps::operator[](int n) const {
    const int k = n + 1;
    switch (transition_) {
    case kLeftWipe:
        return {0, 0, k, H_};
    case kRightWipe:
        return {double(W_ - k), 0, k, H_};
    case kRightAndLeftWipe: {
        // A band in the middle, growing by a pixel on each side per step. Its
        // position is halved in single precision and may fall between pixels.
        const int a = 1 + 2 * n;
        return {float(W_ - a) / 2, 0, a, H_};
    }
    case kUpAndDownWipe: {
        const int b = 1 + 2 * n;
        return {0, float(H_ - b) / 2, W_, b};
    }
    case kCenterWipe: {
        // A centred rectangle that keeps the difference between its sides and
        // grows by a pixel each way per step.
        const int a = a0_ + n, b = b0_ + n;
        return {Floor((W_ - a) / 2.0), Floor((H_ - b) / 2.0), a, b};
    }
    case kHorizontalBlinds:
        // Every band opens one more row per pass, all bands together.
        return {0, double(kBlindWidth * (n % stride_)), W_, n / stride_ + 1};
    case kVerticalBlinds:
        return {double(kBlindWidth * (n % stride_)), 0, n / stride_ + 1, H_};
    }
    return {};
}

int randomTransition(double r) {
    // r just below 1 can round 7r + 1 up to 8, which names no transition.
    return std::clamp(static_cast<int>(Floor(kDrawnTransitions * r + 1)), 1, kDrawnTransitions);
}

}  // namespace skyfolio
