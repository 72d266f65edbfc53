// The save's conversion of photos into the picture cache, measured on the
// same files in the same run against:
//  - the floor: libjpeg-turbo decoding at 1/8 scale, in process, nothing
//    else (no conversion into the cache can decode less);
//  - decoding the whole photo and scaling it smoothly afterwards.
// CPU time per picture compares work on one core; the list of 20 photos is
// timed by the clock on the wall, both cores converting.
//
// Then the other formats, a few of the same photos in each, the conversion
// against decoding the whole photo and scaling it afterwards.
//
// Every benchmark runs several times in random order, so that a busy machine
// burdens all of them alike; compare the "min" rows.

#include "bench/photo_maker.h"
#include "bench/random_order_main.h"
#include "dialog/cache_conversion.h"
#include "dialog/cache_replacement.h"
#include "files/program_folder.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace skyfolio::bench {
namespace {

// Every photo of a kind decoded equally often: 15 baseline photos once,
// 5 progressive ones three times.
constexpr int kIterations = 15;

const PhotoList& photos() {
    static QTemporaryDir folder;
    static const PhotoList list = makePhotoList(folder.path().toStdString());
    return list;
}

const std::vector<std::string>& photosOfKind(const benchmark::State& state) {
    return state.range(0) ? photos().progressive : photos().baseline;
}

// The floor: the rows of a 1/8-scale decode, read and dropped.
void decodeAtOneEighth(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) std::abort();
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 8;
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    std::vector<JSAMPLE> row(size_t(info.output_width) * 4);
    JSAMPROW rows[] = {row.data()};
    while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, rows, 1);
    benchmark::DoNotOptimize(row.data());
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
}

void convertTheOldWay(const std::string& photo, const std::string& cacheFile) {
    const Picture whole = Picture::load(photo);
    const CacheGeometry g = cacheGeometry(whole.size());
    if (!whole.scaled(g.drawn).topLeft(g.stored).saveBitmap(cacheFile)) std::abort();
}

// One photo per iteration, each of `files` as often as the others.
template <typename Convert>
void eachInTurn(benchmark::State& state, const std::vector<std::string>& files, const char* label, Convert convert) {
    QTemporaryDir out;
    const std::string cacheFile = out.filePath("skyfss0.dib").toStdString();
    size_t next = 0;
    for (auto _ : state) convert(files[next++ % files.size()], cacheFile);
    state.SetLabel(label);
}

template <typename Convert>
void perPicture(benchmark::State& state, Convert convert) {
    eachInTurn(state, photosOfKind(state), state.range(0) ? "progressive" : "baseline", convert);
}

void BM_Floor_Libjpeg1of8(benchmark::State& state) {
    perPicture(state, [](const std::string& photo, const std::string&) { decodeAtOneEighth(photo); });
}

void BM_ConvertForCache(benchmark::State& state) {
    perPicture(state, [](const std::string& photo, const std::string& cacheFile) { convertPictureForCache(photo, cacheFile); });
}

void BM_FullDecodeThenScale(benchmark::State& state) { perPicture(state, convertTheOldWay); }

void perPictureArguments(benchmark::internal::Benchmark* b) {
    b->Arg(0)->Arg(1)->Iterations(kIterations)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);
}
BENCHMARK(BM_Floor_Libjpeg1of8)->Apply(perPictureArguments);
BENCHMARK(BM_ConvertForCache)->Apply(perPictureArguments);
BENCHMARK(BM_FullDecodeThenScale)->Apply(perPictureArguments);

// Every photo of a format converted equally often.
constexpr int kPhotosPerFormat = 3;
constexpr int kFormatIterations = 2 * kPhotosPerFormat;

const std::vector<std::string>& photosOfFormat(const benchmark::State& state) {
    static QTemporaryDir folder;
    static std::vector<std::vector<std::string>> formats;
    if (formats.empty())
        for (test::FileFormat format : test::kFileFormats)
            formats.push_back(photosInFormat(photos(), format, kPhotosPerFormat, folder.path().toStdString()));
    return formats.at(size_t(state.range(0)));
}

template <typename Convert>
void perPictureOfFormat(benchmark::State& state, Convert convert) {
    eachInTurn(state, photosOfFormat(state), test::suffixOf(test::kFileFormats[state.range(0)]), convert);
}

void BM_ConvertForCacheByFormat(benchmark::State& state) {
    perPictureOfFormat(state, [](const std::string& photo, const std::string& cacheFile) { convertPictureForCache(photo, cacheFile); });
}

void BM_FullDecodeThenScaleByFormat(benchmark::State& state) { perPictureOfFormat(state, convertTheOldWay); }

void perFormatArguments(benchmark::internal::Benchmark* b) {
    for (int i = 0; i < int(std::size(test::kFileFormats)); ++i) b->Arg(i);
    b->Iterations(kFormatIterations)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);
}
BENCHMARK(BM_ConvertForCacheByFormat)->Apply(perFormatArguments);
BENCHMARK(BM_FullDecodeThenScaleByFormat)->Apply(perFormatArguments);

// The save's cache replacement for the whole list, both cores at work.
void BM_ReplaceCache20Photos(benchmark::State& state) {
    QTemporaryDir programFolder;
    setProgramFolder(programFolder.path().toStdString());
    for (auto _ : state) {
        CacheReplacement r = prepareCache(photos().all, [](int) {});
        if (!r.commit()) std::abort();
    }
}
BENCHMARK(BM_ReplaceCache20Photos)->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", fastest);

// The same list converted one picture after another, as a save did before.
void BM_OneAfterAnother20Photos(benchmark::State& state) {
    QTemporaryDir out;
    for (auto _ : state)
        for (size_t i = 0; i < photos().all.size(); ++i)
            convertPictureForCache(photos().all[i], out.filePath(QString("skyfss%1.dib").arg(i)).toStdString());
}
BENCHMARK(BM_OneAfterAnother20Photos)->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", fastest);

}  // namespace
}  // namespace skyfolio::bench

int main(int argc, char** argv) { skyfolio::bench::runInRandomOrder(argc, argv); }
