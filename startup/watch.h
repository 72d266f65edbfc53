#pragma once

#include "startup/watch_arguments.h"

namespace skyfolio {

// `skyfolio --watch`: a resident process without a window that starts the
// saver ("/s", as a process of its own) each time the user has been idle
// for the idle time, while the desktop is not locked and nothing inhibits
// it. Returns the exit status.
int RunWatch(const WatchArguments& arguments, const char* programName);

}  // namespace skyfolio
