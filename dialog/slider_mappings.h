#pragma once

#include "dialog/settled_value.h"

#include <string>

namespace skyfolio {

// The sliders whose setting depends on the effect: the values they can store.
inline constexpr ValueRange kImageSpeedRange{1, 200};  // milliseconds per animation tick
inline constexpr ValueRange kFloatSpeedRange{1, 5};
inline constexpr ValueRange kFeature1Range{1, 21};

// The speed slider runs from slow (left, 1) to fast (right, 200) while the
// setting stores milliseconds per tick: 200 at the left end, 1 at the right.
int imageSpeedPosition(int milliseconds);
std::string imageSpeedText(int position);

// The mouse-sensitivity slider runs from "Low" (1) to "High" (15) while the
// setting counts the mouse movements that end the saver, so high sensitivity
// stores a small count.
int mouseSensitivityPosition(int movements);
std::string mouseSensitivityText(int position);

}  // namespace skyfolio
