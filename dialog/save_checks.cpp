#include "dialog/save_checks.h"

namespace skyfolio {

std::optional<std::string> failedSaveCheck(const std::vector<std::string>& pictures, bool passwordEnabled,
                                           const std::string& password, const std::string& confirmation) {
    if (pictures.empty() || pictures.front().empty()) return "You need to load at least one image file.";
    if (passwordEnabled && password.empty() && confirmation.empty())
        return "You must enter a 'Password' or uncheck 'Password Protection'.";
    if (passwordEnabled && confirmation != password) return "The 'Password' and 'Confirm' entries must be the same.";
    return std::nullopt;
}

}  // namespace skyfolio
