#include "startup/command_line.h"

#include "files/ascii_text.h"
#include "settings/conversions.h"

#include <utility>

namespace skyfolio {
namespace {

constexpr std::pair<std::string_view, Role> kSwitches[] = {
    {"/c", Role::Settings},
    {"/s", Role::Saver},
    {"/p", Role::Preview},
};

constexpr size_t kSwitchAndSeparator = 3;

}  // namespace

std::string argumentText(int argc, const char* const* argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

Role roleOf(std::string_view argumentText) {
    if (argumentText == kAddToXscreensaver) return Role::AddToXscreensaver;
    std::string key(argumentText.substr(0, 2));
    for (char& c : key) c = asciiLower(c);
    for (const auto& [text, role] : kSwitches) {
        if (key == text) return role;
    }
    return Role::None;
}

std::optional<uint32_t> PreviewHandle(std::string_view argumentText) {
    if (argumentText.size() <= kSwitchAndSeparator) return std::nullopt;
    try {
        const int32_t handle = RoundInt32(NumberValue(argumentText.substr(kSwitchAndSeparator)));
        if (handle <= 0) return std::nullopt;
        return static_cast<uint32_t>(handle);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

}  // namespace skyfolio
