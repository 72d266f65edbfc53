#include "platform/window_message_host.h"

#include <cstdio>

namespace skyfolio {

WindowMessageHost::WindowMessageHost(std::function<void()> unload, std::function<void(const std::string&)> show)
    : unload_(std::move(unload)), show_(std::move(show)) {}

void WindowMessageHost::showMessage(const std::string& text) {
    // The first message says why the run stopped; nothing runs to say more.
    if (shown_) return;
    shown_ = true;
    std::fprintf(stderr, "skyfolio: %s\n", text.c_str());
    std::fflush(stderr);
    if (show_) show_(text);
}

void WindowMessageHost::unloadForm() {
    if (unload_) unload_();
}

}  // namespace skyfolio
