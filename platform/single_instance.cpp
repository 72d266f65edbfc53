#include "platform/single_instance.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace skyfolio {
namespace {

// ":0" and ":0.1" are one display; anything unusual in a file name becomes "_".
std::string displayKey() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) display = std::getenv("WAYLAND_DISPLAY");
    std::string key = display && *display ? display : "nodisplay";
    const size_t colon = key.rfind(':');
    if (colon != std::string::npos) {
        const size_t screen = key.find('.', colon);
        if (screen != std::string::npos) key.erase(screen);
    }
    for (char& c : key) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        if (!plain) c = '_';
    }
    return key;
}

std::string runtimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info {};
    if (runtime && *runtime && stat(runtime, &info) == 0 && S_ISDIR(info.st_mode)) return runtime;
    return "/tmp";
}

}  // namespace

SingleInstance::SingleInstance(const std::string& lockPath) {
    // O_NOFOLLOW: in a shared temporary folder another user could plant a link.
    fd_ = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // A lock file we cannot open must not stop the program: without it we
    // merely lose the rule.
    if (fd_ < 0) return;
    int result;
    do {
        result = flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    first_ = result == 0 || errno != EWOULDBLOCK;
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) close(fd_);
}

void SingleInstance::recordHolder() const {
    if (fd_ < 0 || !first_) return;
    const std::string id = std::to_string(getpid()) + "\n";
    if (ftruncate(fd_, 0) != 0) return;
    [[maybe_unused]] const ssize_t written = pwrite(fd_, id.data(), id.size(), 0);
}

std::string singleInstanceLockPath() {
    return runtimeFolder() + "/skyfolio-" + std::to_string(getuid()) + "-" + displayKey() + ".lock";
}

std::string watchLockPath() {
    return runtimeFolder() + "/skyfolio-watch-" + std::to_string(getuid()) + "-" + displayKey() + ".lock";
}

int heldBy(const std::string& lockPath) {
    const int fd = open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return 0;
    // A claim we could take ourselves is held by nobody.
    const bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    char text[16] = {};
    const ssize_t length = held ? pread(fd, text, sizeof text - 1, 0) : 0;
    close(fd);
    return length > 0 ? std::atoi(text) : 0;
}

}  // namespace skyfolio
