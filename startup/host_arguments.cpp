#include "startup/host_arguments.h"

#include <charconv>

namespace skyfolio {

std::optional<HostArguments> hostArguments(std::span<const std::string_view> arguments) {
    if (arguments.empty()) return std::nullopt;
    HostArguments host;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == kRootSwitch) {
            host.root = true;
        } else if (arguments[i] == kWindowIdSwitch) {
            host.windowId = i + 1 < arguments.size() ? arguments[++i] : std::string_view();
        } else {
            return std::nullopt;
        }
    }
    return host;
}

std::optional<uint32_t> parseWindowId(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    // from_chars alone would take a sign or stop at the first stray character.
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    uint32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
    if (error != std::errc() || end != text.data() + text.size() || id == 0) return std::nullopt;
    return id;
}

namespace {

WindowChoice named(std::string_view text, std::string_view source) {
    if (const std::optional<uint32_t> id = parseWindowId(text)) return {*id, {}};
    const std::string shown = text.empty() ? std::string("nothing") : "\"" + std::string(text) + "\"";
    return {std::nullopt, std::string(source) + " names no window: " + shown +
                              " is not a window id (hex as 0x1a00004, or decimal)"};
}

}  // namespace

WindowChoice chooseHostWindow(const HostArguments& arguments, const char* daemonWindow) {
    if (arguments.windowId) return named(*arguments.windowId, kWindowIdSwitch);
    if (daemonWindow && *daemonWindow) return named(daemonWindow, std::string("$") + kDaemonWindowVariable);
    return {};
}

}  // namespace skyfolio
