#include "tests/support/ended_process.h"

#include <cstdlib>

#include <sys/wait.h>
#include <unistd.h>

namespace skyfolio::test {

pid_t endedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    if (child < 0 || ::waitpid(child, nullptr, 0) != child) std::abort();
    return child;
}

}  // namespace skyfolio::test
