#pragma once

#include "startup/host_arguments.h"

namespace skyfolio {

// Runs the saver in a window a screen-saver daemon made (or on the root
// window) until the daemon stops it with SIGTERM or SIGINT, or the window
// goes: exit status 0 then. A window that cannot be drawn in is said on
// standard error, with status 1. A run that cannot go on shows its message
// in the window and waits to be stopped.
int RunHostMode(const HostArguments& arguments, const char* programName);

}  // namespace skyfolio
