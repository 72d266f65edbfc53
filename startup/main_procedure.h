#pragma once

#include <string_view>

namespace skyfolio {

// The program's entry: the single-instance rule, then the switch chooses the
// role, which runs until it ends. Returns the process's exit status.
int Main(std::string_view argumentText, const char* programName);

}  // namespace skyfolio
