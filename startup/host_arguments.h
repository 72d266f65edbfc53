#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace skyfolio {

// The switches a screen-saver daemon starts a hack with.
inline constexpr std::string_view kRootSwitch = "--root";
inline constexpr std::string_view kWindowIdSwitch = "--window-id";
// Where a daemon names the window it made for the hack.
inline constexpr const char* kDaemonWindowVariable = "XSCREENSAVER_WINDOW";

// What a daemon's arguments ask for: its window, or the root window.
struct HostArguments {
    bool root = false;
    // The text after the last --window-id; present but empty when the switch
    // ends the line without one.
    std::optional<std::string_view> windowId;
};

// The arguments as host mode reads them: nothing unless every argument is a
// daemon's switch (each --window-id followed by its id), so that everything
// else keeps the classic switch rules.
std::optional<HostArguments> hostArguments(std::span<const std::string_view> arguments);

// A window id as daemons write it: "0x" (or "0X") and hex digits, or decimal
// digits; nothing for anything else, for 0 and for ids beyond 32 bits.
std::optional<uint32_t> parseWindowId(std::string_view text);

// The window to draw in: --window-id wins over the daemon's variable, which
// wins over a plain --root; with neither, none means the real root window.
// A named window that is no number is an error, said in `error`.
struct WindowChoice {
    std::optional<uint32_t> window;
    std::string error;
};
WindowChoice chooseHostWindow(const HostArguments& arguments, const char* daemonWindow);

}  // namespace skyfolio
