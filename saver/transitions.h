#pragma once

#include <array>
#include <string_view>

namespace skyfolio {

// Float's ways of bringing in a new picture, numbered as the settings store
// them. Standard is a plain exchange after a pause; the others are drawn.
inline constexpr int kStandard = 0;
inline constexpr int kLeftWipe = 1;
inline constexpr int kRightWipe = 2;
inline constexpr int kRightAndLeftWipe = 3;
inline constexpr int kUpAndDownWipe = 4;
inline constexpr int kCenterWipe = 5;
inline constexpr int kHorizontalBlinds = 6;
inline constexpr int kVerticalBlinds = 7;

// Their names, in the order of their numbers, as the dialog lists them.
inline constexpr std::array<std::string_view, 8> kTransitionNames = {
    "Standard", "Left wipe", "Right wipe", "Right & Left wipe", "Up & down wipe", "Center wipe", "Horizontal blinds",
    "Vertical blinds"};

// One drawing step of a transition: the rectangle of the new picture that is
// copied to the same place in the picture box, in the box's pixels. The left
// and top may fall between pixels; the drawing rounds them.
struct TransitionStep {
    double x = 0;
    double y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TransitionStep&) const = default;
};

// The steps that reveal a W x H picture, in drawing order, each one made
// when asked for: a wipe over a very wide picture has as many steps as
// columns. Any index other than 1 to 7 (Standard included) has none. Blinds
// may reach past the picture's far edge; drawing clips them.
class TransitionSteps {
public:
    TransitionSteps() = default;
    TransitionSteps(double transition, int W, int H);

    int count() const { return count_; }
    TransitionStep operator[](int n) const;
    // How many steps apart two steps over the same part of the picture are:
    // each step covers the one this many before it, and adds to it.
    int stride() const { return stride_; }

private:
    int transition_ = kStandard;
    int W_ = 0;
    int H_ = 0;
    int count_ = 0;
    int stride_ = 1;
    int a0_ = 0;  // Center wipe's first width and height
    int b0_ = 0;
};

// The random choice among the seven drawn transitions for a draw r in [0, 1).
int randomTransition(double r);

}  // namespace skyfolio
