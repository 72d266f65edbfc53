#pragma once

#include <string_view>

namespace skyfolio {

inline constexpr std::string_view kWatchSwitch = "--watch";

// "--watch" runs the idle watch, "skyfolio-watch" beside this program, in
// this process with the same arguments: the watch stays resident, and a
// program of its own loads none of the window toolkit and the picture
// decoders that this one does. Returns only when it cannot: status 1.
int HandOverToWatch(const char* const* argv);

}  // namespace skyfolio
