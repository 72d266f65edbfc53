#include "startup/watch.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

// The idle watch, started as "skyfolio --watch": see startup/watch_hand_over.h.
int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
    const skyfolio::WatchArgumentsRead read = skyfolio::watchArguments(arguments);
    if (!read.watch || !read.error.empty()) {
        std::fprintf(stderr, "%s\n", read.error.empty() ? "usage: skyfolio --watch [--idle-seconds N]" : read.error.c_str());
        return 1;
    }
    return skyfolio::RunWatch(read.arguments, "skyfolio");
}
