#pragma once

namespace skyfolio {

// Window measures are kept in twips, 1/1440 inch; a common display has 96
// pixels per inch, so 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace skyfolio
