#include "bench/random_order_main.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace skyfolio::bench {

double fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

void runInRandomOrder(int argc, char** argv) {
    std::vector<char*> args = {argv[0]};
    char repetitions[] = "--benchmark_repetitions=5";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.end(), {repetitions, interleaving, aggregates});
    args.insert(args.end(), argv + 1, argv + argc);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

}  // namespace skyfolio::bench
