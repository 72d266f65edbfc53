// Saving and loading a long picture list in the settings file: the section
// of pictures written at once, against writing it value by value as a save
// did before, and every picture read back one by one as the dialog and the
// saver read them. Compare the "min" rows.

#include "bench/random_order_main.h"
#include "files/profile.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <string>
#include <vector>

namespace skyfolio::bench {
namespace {

std::vector<std::string> pictures(benchmark::State& state) {
    std::vector<std::string> paths;
    for (int64_t i = 0; i < state.range(0); ++i) paths.push_back("/home/someone/Pictures/2024/IMG_" + std::to_string(i) + ".HEIC");
    return paths;
}

void BM_SaveList(benchmark::State& state) {
    const QTemporaryDir folder;
    const std::string path = folder.filePath("r909izarav.ini").toStdString();
    const std::vector<std::string> list = pictures(state);
    for (auto _ : state)
        if (!writeAllSettings(path, SettingTexts{}, list)) std::abort();
}

void BM_SaveListValueByValue(benchmark::State& state) {
    const QTemporaryDir folder;
    const std::string path = folder.filePath("r909izarav.ini").toStdString();
    const std::vector<std::string> list = pictures(state);
    for (auto _ : state) {
        ProfileFile file(path);
        file.deleteSection(kImagesSection);
        for (size_t i = 0; i < list.size(); ++i)
            if (!file.write(kImagesSection, std::to_string(i), list[i])) std::abort();
        if (!file.save()) std::abort();
    }
}

void BM_LoadList(benchmark::State& state) {
    const QTemporaryDir folder;
    const std::string path = folder.filePath("r909izarav.ini").toStdString();
    if (!writeAllSettings(path, SettingTexts{}, pictures(state))) std::abort();
    for (auto _ : state) {
        const SettingsFile file(path);
        for (int64_t i = 0; i < state.range(0); ++i) benchmark::DoNotOptimize(file.readImage(std::to_string(i)));
    }
}

void lists(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->ComputeStatistics("min", fastest);
}
BENCHMARK(BM_SaveList)->Arg(5000)->Arg(32767)->Apply(lists);
BENCHMARK(BM_SaveListValueByValue)->Arg(5000)->Apply(lists);
BENCHMARK(BM_LoadList)->Arg(5000)->Arg(32767)->Apply(lists);

}  // namespace
}  // namespace skyfolio::bench

BENCHMARK_MAIN();
