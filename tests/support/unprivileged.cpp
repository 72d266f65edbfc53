#include "tests/support/unprivileged.h"

#include <sys/wait.h>
#include <unistd.h>

namespace skyfolio::test {
namespace {

constexpr uid_t kNobody = 65534;

}  // namespace

bool asUnprivilegedUser(const std::function<bool()>& action) {
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(2);
        _exit(action() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace skyfolio::test
