// Float's picture change for a photo of 12 megapixels on a 1920 x 1080
// screen, "Shrink pictures larger than the screen" on against off, side by
// side in one run: the time from the end of the pause to the first frame
// (the photo decoded, drawn and painted as the saver window paints it), the
// floor under it (the photo decoded alone, at the size shown), then the
// peak memory of three changes, each case in a fresh process.
//
//   float_change_bench [benchmark flags]             makes the photo, measures
//   float_change_bench changes <folder> <fit 0|1>   three changes, for the parent

#include "bench/child_peak_memory.h"
#include "bench/photo_maker.h"
#include "bench/random_order_main.h"
#include "imaging/picture.h"
#include "platform/file_picture_source.h"
#include "platform/image_surface.h"
#include "saver/effects.h"
#include "saver/fit_to_screen.h"
#include "saver/float_effect.h"
#include "saver/form1.h"
#include "saver/random.h"
#include "saver/transitions.h"
#include "settings/conversions.h"
#include "settings/settings_file.h"
#include "tools/headless_host.h"
#include "tools/headless_program_folder.h"
#include "tools/simulated_timers.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace skyfolio::bench {
namespace {

constexpr QSize kScreen{1920, 1080};
constexpr PhotoKind kPhoto{4000, 3000, false, 7};
constexpr int kChangesMeasured = 3;

// A centred Float saver over the one photo of `folder`, its pictures coming
// in after the pause, on a surface that paints each frame into a screen's
// worth of pixels as the saver window would.
class FloatOnPhoto {
public:
    FloatOnPhoto(const std::string& folder, bool fit)
        : folder_({{&keys::mode, DecimalText(kFloat)},
                   {&keys::effectMode, DecimalText(kStandard)},
                   {&keys::randomEffect, "0"},
                   {&keys::centerImage, "1"},
                   {&keys::fitLargePictures, fit ? "1" : "0"}},
                  HeadlessProgramFolder::PictureFolder{folder}),
          settings_(readSaverSettings(SettingsFile())),
          screen_(kScreen, QImage::Format_RGB32),
          surface_(kScreen, [this](const std::vector<QRect>& changed) {
              QPainter painter(&screen_);
              for (const QRect& rect : changed) surface_.paint(painter, rect);
          }),
          pictures_([](int) { return std::string(); }),
          random_(1),
          form_(settings_, {surface_, pictures_, host_, random_, clock_}) {
        form_.Form_Load();
    }

    // The next change begun: the box blank for its pause.
    void startChange() { form_.Timer2_Timer(); }
    // The pause over: the photo loaded and its first frame painted.
    bool finishChange() {
        now_ += std::chrono::seconds(1);
        clock_.set(now_);
        form_.ChangeTimer_Timer();
        return !host_.ended() && form_.family<FloatEffect>().FirstPicture.visible;
    }

private:
    HeadlessProgramFolder folder_;
    SaverSettings settings_;
    QImage screen_;
    ImageSurface surface_;
    FilePictureSource pictures_;
    HeadlessHost host_;
    SeededRandom random_;
    SimulatedClock clock_;
    std::chrono::milliseconds now_{};
    Form1 form_;
};

// A folder holding the photo alone, made once.
const std::string& photoFolder() {
    static const QTemporaryDir folder;
    static const std::string path = [] {
        if (!makePhoto(folder.filePath("photo.jpg").toStdString(), kPhoto))
            std::fprintf(stderr, "cannot write the photo\n");
        return folder.path().toStdString();
    }();
    return path;
}

void BM_PictureChange(benchmark::State& state, bool fit) {
    FloatOnPhoto saver(photoFolder(), fit);
    for (auto _ : state) {
        state.PauseTiming();
        saver.startChange();
        state.ResumeTiming();
        if (!saver.finishChange()) {
            state.SkipWithError("the photo was not shown");
            return;
        }
    }
}

void BM_DecodeAlone(benchmark::State& state, bool fit) {
    const std::string photo = photoFolder() + "/photo.jpg";
    const PictureSize shown = fitToScreen({kPhoto.width, kPhoto.height}, {kScreen.width(), kScreen.height()});
    for (auto _ : state) benchmark::DoNotOptimize(fit ? Picture::loadAtSize(photo, shown) : Picture::load(photo));
}

void fiveTimes(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Iterations(5)->ComputeStatistics("min", fastest);
}
BENCHMARK_CAPTURE(BM_DecodeAlone, own_size, false)->Apply(fiveTimes);
BENCHMARK_CAPTURE(BM_DecodeAlone, shrunk, true)->Apply(fiveTimes);
BENCHMARK_CAPTURE(BM_PictureChange, own_size, false)->Apply(fiveTimes);
BENCHMARK_CAPTURE(BM_PictureChange, shrunk, true)->Apply(fiveTimes);

// The child's work: a few changes, then its peak memory.
int changes(const std::string& folder, bool fit) {
    FloatOnPhoto saver(folder, fit);
    for (int change = 0; change < kChangesMeasured; ++change) {
        saver.startChange();
        if (!saver.finishChange()) return 1;
    }
    return printPeakMemory() ? 0 : 1;
}

}  // namespace
}  // namespace skyfolio::bench

int main(int argc, char** argv) {
    using namespace skyfolio::bench;
    if (argc == 4 && std::strcmp(argv[1], "changes") == 0) return changes(argv[2], std::strcmp(argv[3], "1") == 0);

    runInRandomOrder(argc, argv);

    std::printf("\n%-48s %s\n", "peak resident memory, 3 changes of the photo", "MB");
    for (const auto& [name, fit] : {std::pair{"at its own size", "0"}, {"shrunk to fit the screen", "1"}})
        std::printf("%-48s %6.1f\n", name, peakOfChild(argv[0], {"changes", photoFolder(), fit}));
    return 0;
}
