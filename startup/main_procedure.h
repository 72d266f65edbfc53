#pragma once

namespace skyfolio {

// The program's entry: a daemon's switches run host mode; otherwise the
// single-instance rule, then the switch chooses the role, which runs until
// it ends. Returns the process's exit status.
int Main(int argc, const char* const* argv, const char* programName);

}  // namespace skyfolio
