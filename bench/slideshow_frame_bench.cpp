// One frame of Slideshow on a 1920 x 1080 screen against a plain copy of a
// screen-sized picture, side by side in one run: a crossfade frame, a pan
// and zoom frame, and a crossfade while both photos pan and zoom. Each draws
// into the saver window's own surface.

#include "bench/random_order_main.h"
#include "platform/image_surface.h"
#include "saver/inline_slide_source.h"
#include "saver/monotonic_clock.h"
#include "saver/random.h"
#include "saver/slideshow.h"
#include "settings/saver_settings.h"
#include "settings/setting_keys.h"
#include "tests/format_test_files.h"

#include <benchmark/benchmark.h>

namespace skyfolio::bench {
namespace {

using namespace std::chrono_literals;

constexpr PictureSize kScreen{1920, 1080};

Pixels photoPixels(PictureSize size, int shift) {
    const QImage image = test::photoLike(size.width + shift, size.height).copy(shift, 0, size.width, size.height)
                             .convertToFormat(QImage::Format_RGB32);
    std::vector<uint32_t> rows(size_t(size.width) * size_t(size.height));
    for (int y = 0; y < size.height; ++y)
        std::copy_n(reinterpret_cast<const uint32_t*>(image.constScanLine(y)), size.width, rows.data() + size_t(y) * size_t(size.width));
    return Pixels(size, std::move(rows));
}

class StillClock : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override { return time; }
    std::chrono::nanoseconds time{1h};
};

// Two photos taking turns, made once.
class TwoSlides : public SlideMaker {
public:
    std::unique_ptr<SlideSource> open(PictureSize screen, const SlideOptions& options,
                                      const std::vector<std::string>&) override {
        const PictureSize canvas = slideCanvas(screen, options.panZoom);
        for (int i = 0; i < 2; ++i) slides_[i] = Slide{photoPixels(canvas, 40 * i), {{i, {0, 0, canvas.width, canvas.height}}}, {Pixels()}, false};
        return std::make_unique<InlineSlideSource>([this] { return SlideResult{true, slides_[next_++ % 2], {}}; });
    }

private:
    Slide slides_[2];
    int next_ = 0;
};

// A slideshow brought to the middle of its second crossfade, or to its
// second photo moving alone.
class SlideshowFrames {
public:
    SlideshowFrames(bool panZoom, bool midCrossfade) {
        SettingTexts texts;
        for (const SettingKey* key : kSettingKeysInFileOrder) texts.*(key->text) = key->installedValue;
        texts.cfgSlideshowPanZoom = panZoom ? "1" : "0";
        settings_ = convertSaverSettings(texts, [](int) { return std::string(); });
        show_.emplace(settings_, surface_, &slides_, random_, clock_, [](const std::string&) {});
        show_->Start();
        show_->FrameTimer_Timer();
        clock_.time += 10s;
        show_->NextImageTimer_Timer();
        clock_.time += midCrossfade ? 750ms : 2s;
    }
    // One frame; a moving photo moves on by 150 ms, so that the 60 frames
    // measured cover most of its path, from wide to close or back.
    void frame(bool moving) {
        if (moving) clock_.time += 150ms;
        show_->FrameTimer_Timer();
    }

private:
    ImageSurface surface_{QSize(kScreen.width, kScreen.height), [](const std::vector<QRect>&) {}};
    TwoSlides slides_;
    SeededRandom random_{7};
    StillClock clock_;
    SaverSettings settings_;
    std::optional<Slideshow> show_;
};

void BM_PlainCopy(benchmark::State& state) {
    ImageSurface surface(QSize(kScreen.width, kScreen.height), [](const std::vector<QRect>&) {});
    const Pixels photo = photoPixels(kScreen, 0);
    for (auto _ : state) {
        surface.draw(photo, 0, 0);
        surface.present();
    }
}

void BM_Crossfade(benchmark::State& state) {
    SlideshowFrames show(false, true);
    for (auto _ : state) show.frame(false);
}

void BM_PanZoom(benchmark::State& state) {
    SlideshowFrames show(true, false);
    for (auto _ : state) show.frame(true);
}

void BM_CrossfadePanZoom(benchmark::State& state) {
    SlideshowFrames show(true, true);
    for (auto _ : state) show.frame(false);
}

void timed(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Iterations(60)->ComputeStatistics("min", fastest);
}
BENCHMARK(BM_PlainCopy)->Apply(timed);
BENCHMARK(BM_Crossfade)->Apply(timed);
BENCHMARK(BM_PanZoom)->Apply(timed);
BENCHMARK(BM_CrossfadePanZoom)->Apply(timed);

}  // namespace
}  // namespace skyfolio::bench

int main(int argc, char** argv) {
    skyfolio::bench::runInRandomOrder(argc, argv);
    return 0;
}
