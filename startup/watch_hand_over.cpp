#include "startup/watch_hand_over.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace skyfolio {

int HandOverToWatch(const char* const* argv) {
    std::error_code error;
    // The file itself, not a link to it such as /usr/bin/skyfolio.
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string watch = (self.parent_path() / "skyfolio-watch").string();
    if (!error) ::execv(watch.c_str(), const_cast<char* const*>(argv));
    std::fprintf(stderr, "skyfolio: the idle watch %s cannot start: %s\n", watch.c_str(),
                 error ? error.message().c_str() : std::strerror(errno));
    return 1;
}

}  // namespace skyfolio
