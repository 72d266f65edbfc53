#pragma once

#include <string_view>

namespace skyfolio {

// The line break inside message texts.
inline constexpr std::string_view kLineBreak = "\n";

}  // namespace skyfolio
