#pragma once

#include <cstdint>
#include <limits>

namespace skyfolio {

// Counts and positions in the picture list are 16-bit, in the dialog, the
// settings file and the saver alike.
inline constexpr int kMostPictures = std::numeric_limits<int16_t>::max();

}  // namespace skyfolio
