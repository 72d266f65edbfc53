// What an installed copy's first start pays for making the user's folder
// from the package's template (every file written and synced, the folder
// renamed into place), against every later start, which finds it there.
// Compare the "min" rows.

#include "bench/random_order_main.h"
#include "platform/program_folder_setup.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <string>

namespace skyfolio::bench {
namespace {

void BM_FirstStartMakesTheFolder(benchmark::State& state) {
    const QTemporaryDir home;
    int start = 0;
    for (auto _ : state) {
        // A new place each time: the one before is there now.
        const ProgramFolders folders{home.filePath("share" + QString::number(start++) + "/skyfolio").toStdString(),
                                     SKYFOLIO_BENCH_TEMPLATE, true};
        if (prepareProgramFolder(folders)) std::abort();
    }
}

void BM_LaterStartFindsTheFolder(benchmark::State& state) {
    const QTemporaryDir home;
    const ProgramFolders folders{home.filePath("skyfolio").toStdString(), SKYFOLIO_BENCH_TEMPLATE, true};
    if (prepareProgramFolder(folders)) std::abort();
    for (auto _ : state)
        if (prepareProgramFolder(folders)) std::abort();
}

void starts(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true)->ComputeStatistics("min", fastest);
}
BENCHMARK(BM_FirstStartMakesTheFolder)->Apply(starts);
BENCHMARK(BM_LaterStartFindsTheFolder)->Apply(starts);

}  // namespace
}  // namespace skyfolio::bench

BENCHMARK_MAIN();
