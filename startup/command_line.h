#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skyfolio {

// The program's arguments joined by single blanks: the text the screen-saver
// switch is read from ("/p 4711", "/s:123", or empty).
std::string argumentText(int argc, const char* const* argv);

enum class Role { Settings, Saver, Preview, AddToXscreensaver, None };

// The argument that adds Skyfolio to the user's xscreensaver list.
inline constexpr std::string_view kAddToXscreensaver = "--add-to-xscreensaver";

// `kAddToXscreensaver` alone chooses its role; otherwise the first two
// characters of the argument text, lower-cased, choose the role.
Role roleOf(std::string_view argumentText);

// The host's preview window named after the switch: the argument text without
// its first three characters (the switch and one separator), read as a
// leading number. None when no usable window id is there.
std::optional<uint32_t> PreviewHandle(std::string_view argumentText);

}  // namespace skyfolio
