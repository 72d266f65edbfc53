#pragma once

#include <string>
#include <vector>

namespace skyfolio::bench {

// Peak memory of one case alone: a process's peak only grows, so each case
// runs in a fresh process of the same program.

// Prints this process's peak resident memory in kB, for the parent. The
// kernel's VmHWM belongs to the program's own memory: unlike ru_maxrss it
// does not carry the parent's peak across exec. False when it cannot be read.
bool printPeakMemory();

// Runs program `self` again with `arguments` and returns the peak it prints,
// in megabytes; negative when the child failed.
double peakOfChild(const char* self, const std::vector<std::string>& arguments);

}  // namespace skyfolio::bench
