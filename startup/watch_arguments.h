#pragma once

#include "startup/watch_hand_over.h"

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace skyfolio {

inline constexpr std::string_view kIdleSecondsSwitch = "--idle-seconds";
// The longest idle time --idle-seconds takes: the dialog's longest.
inline constexpr int kMostIdleSeconds = 720 * 60;

// What `--watch` was asked for: the idle time of this run, when given.
struct WatchArguments {
    std::optional<std::chrono::seconds> idleTime;
};

// Nothing unless the first argument is --watch; then the arguments, or
// `error` saying what is wrong with them.
struct WatchArgumentsRead {
    bool watch = false;
    WatchArguments arguments;
    std::string error;
};
WatchArgumentsRead watchArguments(std::span<const std::string_view> arguments);

}  // namespace skyfolio
