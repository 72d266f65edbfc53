#pragma once

#include <optional>
#include <string>
#include <vector>

namespace skyfolio {

// The save's checks in their order; the message of the first that fails, or
// none when the dialog may be saved.
std::optional<std::string> failedSaveCheck(const std::vector<std::string>& pictures, bool passwordEnabled,
                                           const std::string& password, const std::string& confirmation);

}  // namespace skyfolio
