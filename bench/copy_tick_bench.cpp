// One animation tick of each copy effect with 21 copies, at 1920 x 1080 and
// 3840 x 2160: the saver window's surface ("dirty") against clearing and
// presenting the whole screen ("naive"), side by side in one run. Next to
// them, Float on 1920 x 1080 with a 960 x 540 picture: one motion tick, and
// one tick of a Left wipe, a display frame's steps.
//
// "draw" ticks hand the changed rectangles to nobody; "x11" ticks also repaint
// them in a window on the X server of $DISPLAY and wait for the server, which
// is what the saver pays on screen. Without a display only "draw" runs.
// bench/run_copy_tick_bench.sh runs it all under a 4K Xvfb, and with it the
// ticks of a desktop of one and of two screens (bench/screens_tick.cpp).

#include "bench/naive_surface.h"
#include "bench/screen_window.h"
#include "bench/screens_tick.h"
#include "imaging/pixel_scaling.h"
#include "platform/file_picture_source.h"
#include "platform/image_surface.h"
#include "saver/effects.h"
#include "saver/copy_effects.h"
#include "saver/float_effect.h"
#include "saver/form1.h"
#include "saver/monotonic_clock.h"
#include "saver/random.h"
#include "saver/transitions.h"
#include "settings/conversions.h"
#include "settings/settings_file.h"
#include "tools/headless_host.h"
#include "tools/headless_program_folder.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

namespace skyfolio {
namespace {

struct Screen {
    const char* name;
    int width, height;
};
constexpr Screen kScreens[] = {{"1080p", 1920, 1080}, {"4K", 3840, 2160}};
constexpr Screen kFloatScreen = kScreens[0];
constexpr PictureSize kFloatPicture{960, 540};

constexpr int kCopies = 21;
// Enough for every copy to have been launched and grown a while.
constexpr int kWarmUpTicks = 100;

// A clock that the benchmark moves a display frame per tick.
class FrameClock : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override { return now_; }
    void nextFrame() { now_ += kDisplayFrame; }

private:
    std::chrono::nanoseconds now_{};
};

// Float's one picture, a gradient, without a file.
class GradientPicture : public PictureSource {
public:
    GradientPicture() {
        std::vector<uint32_t> rows;
        for (int y = 0; y < kFloatPicture.height; ++y)
            for (int x = 0; x < kFloatPicture.width; ++x) rows.push_back(rgb32(x % 256, y % 256, (x + y) % 256));
        picture_ = Pixels(kFloatPicture, std::move(rows));
    }
    Pixels cachePicture(int) override { throw PictureLoadError("no cache"); }
    std::string cachePicturePath(int) const override { return {}; }
    Pixels userPicture(const std::string&) override { return picture_; }
    std::optional<PictureSize> userPictureSize(const std::string&) override { return picture_.size(); }
    Pixels userPicture(const std::string&, PictureSize size) override { return scaledByArea(picture_, size); }

private:
    Pixels picture_;
};

// What a benchmark draws on: a surface of the screen's size, presenting to
// a window on the X server when asked to.
template <typename SurfaceType>
class Bench {
public:
    Bench(Screen screen, bool toX11)
        : size_(screen.width, screen.height),
          surface(size_, [this](const std::vector<QRect>& rects) {
              for (const QRect& r : rects) presentedPixels += int64_t(r.width()) * r.height();
              if (window_) window_->present(rects);
          }) {
        if (toX11) {
            window_.emplace(size_, [this](QPainter& painter, const QRect& rect) { surface.paint(painter, rect); });
            window_->showAndWait();
        }
    }
    // From here on, what the benchmark counts.
    void startCounting() {
        presentedPixels = 0;
        rectsBefore_ = window_ ? window_->repaintedRects() : 0;
    }
    void report(benchmark::State& state) const {
        state.counters["presented_px"] =
            benchmark::Counter(double(presentedPixels), benchmark::Counter::kAvgIterations);
        if (window_)
            state.counters["x11_rects"] = benchmark::Counter(double(window_->repaintedRects() - rectsBefore_),
                                                             benchmark::Counter::kAvgIterations);
    }

private:
    QSize size_;
    std::optional<ScreenWindow> window_;
    int64_t rectsBefore_ = 0;

public:
    SurfaceType surface;
    int64_t presentedPixels = 0;
};

template <typename SurfaceType>
void CopyTick(benchmark::State& state, const Effect* effect, Screen screen, bool toX11) {
    HeadlessProgramFolder folder(
        {{&keys::mode, std::to_string(effect->id)}, {&keys::clonesOfImage, std::to_string(kCopies)}});
    const SaverSettings settings = readSaverSettings(SettingsFile());
    Bench<SurfaceType> bench(screen, toX11);
    FilePictureSource pictures([](int number) { return cacheFilePath(DecimalText(number)); });
    HeadlessHost host;
    SeededRandom random(uint64_t(effect->id) + 1);
    FrameClock clock;
    Form1 form(settings, {bench.surface, pictures, host, random, clock});
    form.Form_Load();
    if (host.ended()) {
        state.SkipWithError("the saver did not start");
        return;
    }
    CopyEffects& copies = form.family<CopyEffects>();
    for (int tick = 0; tick < kWarmUpTicks; ++tick) copies.Timer1_Timer();
    bench.startCounting();
    for (auto _ : state) copies.Timer1_Timer();
    bench.report(state);
}

enum class FloatTick { Motion, LeftWipe };

void FloatTicks(benchmark::State& state, FloatTick what, bool toX11) {
    SettingTexts texts;
    for (const SettingKey* key : kSettingKeysInFileOrder) texts.*(key->text) = key->installedValue;
    texts.cfgEffect = DecimalText(kFloat);
    texts.cfgImageTotal = "1";
    texts.cfgRandomTransition = "0";
    texts.cfgTransition = DecimalText(what == FloatTick::Motion ? kStandard : kLeftWipe);
    texts.cfgCenterImage = what == FloatTick::Motion ? "0" : "1";
    const SaverSettings settings = convertSaverSettings(texts, [](int) { return std::string("picture"); });

    Bench<ImageSurface> bench(kFloatScreen, toX11);
    GradientPicture pictures;
    HeadlessHost host;
    SeededRandom random(1);
    FrameClock clock;
    Form1 form(settings, {bench.surface, pictures, host, random, clock});
    form.Form_Load();
    FloatEffect& saver = form.family<FloatEffect>();
    // The first picture in: after the pause, or through a whole wipe.
    saver.Timer2_Timer();
    while (saver.ChangeTimer.Enabled()) {
        for (int frame = 0; frame < 20; ++frame) clock.nextFrame();
        saver.ChangeTimer_Timer();
    }
    bench.startCounting();
    if (what == FloatTick::Motion) {
        for (auto _ : state) saver.Timer3_Timer();
    } else {
        // One tick of the wipe each time; a new wipe once one is over.
        for (auto _ : state) {
            clock.nextFrame();
            if (saver.ChangeTimer.Enabled())
                saver.ChangeTimer_Timer();
            else
                saver.Timer2_Timer();
        }
    }
    bench.report(state);
}

// "Deck of Cards" as one word: DeckOfCards.
std::string benchName(std::string_view name) {
    std::string joined;
    bool wordStart = true;
    for (const char c : name) {
        if (c == ' ') {
            wordStart = true;
            continue;
        }
        joined += wordStart && c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        wordStart = false;
    }
    return joined;
}

void RegisterAll(bool withX11) {
    for (const bool toX11 : {false, true}) {
        if (toX11 && !withX11) continue;
        const std::string mode = toX11 ? "x11/" : "draw/";
        for (const Screen& screen : kScreens) {
            for (const Effect& effect : kEffects) {
                if (!effect.usesCache()) continue;
                const std::string name = mode + screen.name + "/" + benchName(effect.name) + "/";
                benchmark::RegisterBenchmark((name + "naive").c_str(), CopyTick<NaiveSurface>, &effect, screen, toX11)
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark((name + "dirty").c_str(), CopyTick<ImageSurface>, &effect, screen, toX11)
                    ->Unit(benchmark::kMillisecond);
            }
        }
        const std::string floatName = mode + kFloatScreen.name + "/Float/";
        benchmark::RegisterBenchmark((floatName + "motion").c_str(), FloatTicks, FloatTick::Motion, toX11)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((floatName + "LeftWipe").c_str(), FloatTicks, FloatTick::LeftWipe, toX11)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace
}  // namespace skyfolio

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const bool display = qEnvironmentVariableIsSet("DISPLAY");
    if (!display) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bool x11 = QGuiApplication::platformName() == "xcb";
    skyfolio::RegisterAll(x11);
    if (x11) skyfolio::RegisterScreenTicks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
