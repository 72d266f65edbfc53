#include "startup/watch_arguments.h"

#include <charconv>

namespace skyfolio {

WatchArgumentsRead watchArguments(std::span<const std::string_view> arguments) {
    WatchArgumentsRead read;
    if (arguments.empty() || arguments.front() != kWatchSwitch) return read;
    read.watch = true;
    const auto rest = arguments.subspan(1);
    if (rest.empty()) return read;
    int seconds = 0;
    if (rest.size() == 2 && rest[0] == kIdleSecondsSwitch) {
        const std::string_view text = rest[1];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (error == std::errc() && end == text.data() + text.size() && seconds >= 1 && seconds <= kMostIdleSeconds) {
            read.arguments.idleTime = std::chrono::seconds(seconds);
            return read;
        }
    }
    read.error = "usage: skyfolio --watch [--idle-seconds N], N a whole number of 1 to " +
                 std::to_string(kMostIdleSeconds);
    return read;
}

}  // namespace skyfolio
