#pragma once

#include "saver/copy_step.h"

#include <functional>

namespace skyfolio {

// Float's ways of bringing in a new picture, numbered as the settings list
// them. Standard is a plain exchange after a pause; the others are drawn.
inline constexpr int kStandard = 0;
inline constexpr int kLeftWipe = 1;
inline constexpr int kRightWipe = 2;
inline constexpr int kRightAndLeftWipe = 3;
inline constexpr int kUpAndDownWipe = 4;
inline constexpr int kCenterWipe = 5;
inline constexpr int kHorizontalBlinds = 6;
inline constexpr int kVerticalBlinds = 7;

using StepSink = std::function<void(const CopyStep&)>;

// Hands `step` the steps that reveal a W x H picture, in drawing order, one
// at a time: a wipe over a very wide picture has as many steps as columns.
// Any index other than 1 to 7 (Standard included) draws nothing. Blinds may
// reach past the picture's far edge; drawing clips them.
void forEachTransitionStep(double transition, int W, int H, const StepSink& step);

// The random choice among the seven drawn transitions for a draw r in [0, 1).
int randomTransition(double r);

}  // namespace skyfolio
