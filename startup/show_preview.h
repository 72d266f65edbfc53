#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace skyfolio {

// The host's preview window named after the switch: the argument text without
// its first three characters (the switch and one separator), read as a
// leading number. None when no usable window id is there.
std::optional<uint32_t> PreviewHandle(std::string_view argumentText);

// Paints the fixed preview picture into the host's window once and returns.
int ShowPreview(std::string_view argumentText);

}  // namespace skyfolio
