#pragma once

#include <string_view>

namespace skyfolio {

// Paints the fixed preview picture into the host's window once and returns.
int ShowPreview(std::string_view argumentText);

}  // namespace skyfolio
