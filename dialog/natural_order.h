#pragma once

#include <string_view>

namespace skyfolio {

// File names as people count: runs of digits compare by their value
// ("IMG_2" before "IMG_10"), letters without regard to case. Names that
// differ only in that are ordered by their bytes, so no two names are equal.
bool naturalLess(std::string_view a, std::string_view b);

}  // namespace skyfolio
