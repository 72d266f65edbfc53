#pragma once

#include <vector>

namespace skyfolio::bench {

// The "min" statistic of repeated benchmarks: a busy machine only ever adds
// time, so the fastest repetition is the one to compare.
double fastest(const std::vector<double>& times);

// Runs the registered benchmarks five times each in random order, so that a
// busy machine burdens all of them alike, and reports their statistics only.
// Flags on the command line come later and win.
void runInRandomOrder(int argc, char** argv);

}  // namespace skyfolio::bench
