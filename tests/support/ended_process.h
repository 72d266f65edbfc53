#pragma once

#include <sys/types.h>

namespace skyfolio::test {

// The id of a process that has just ended: a temporary file named after it
// is one that no running process writes.
pid_t endedProcessId();

}  // namespace skyfolio::test
