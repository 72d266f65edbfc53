#pragma once

#include <cmath>

namespace skyfolio {

// Window measures are kept in twips, 1/1440 inch; a common display has 96
// pixels per inch, so 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel, a half going to the even neighbour.
inline int twipsToPixels(double twips) { return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel)); }

}  // namespace skyfolio
