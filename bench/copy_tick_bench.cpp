// One animation tick of each copy effect with 21 copies, at 1920 x 1080 and
// 3840 x 2160: the saver window's surface ("dirty") against clearing and
// presenting the whole screen ("naive"), side by side in one run.
//
// "draw" ticks hand the changed rectangles to nobody; "x11" ticks also repaint
// them in a window on the X server of $DISPLAY and wait for the server, which
// is what the saver pays on screen. Without a display only "draw" runs.
// bench/run_copy_tick_bench.sh runs it all under a 4K Xvfb.

#include "bench/naive_surface.h"
#include "bench/screen_window.h"
#include "platform/image_surface.h"
#include "platform/random.h"
#include "saver/form1.h"
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

struct Effect {
    int number;
    const char* name;
};
constexpr Effect kEffects[] = {{0, "Skyflock"},      {2, "Warp"},   {3, "Psychedelic"}, {4, "DeckOfCards"},
                               {5, "JumpingBeans"},  {6, "Vortex"}, {7, "Splat"}};

constexpr int kCopies = 21;
// Enough for every copy to have been launched and grown a while.
constexpr int kWarmUpTicks = 100;

template <typename SurfaceType>
void OneTick(benchmark::State& state, int effect, Screen screen, bool toX11) {
    HeadlessProgramFolder folder({{&keys::mode, std::to_string(effect)}, {&keys::clonesOfImage, std::to_string(kCopies)}});
    const QSize size(screen.width, screen.height);
    std::optional<ScreenWindow> window;
    if (toX11) {
        window.emplace(size);
        window->showAndWait();
    }
    int64_t presentedPixels = 0;
    const SurfaceType* shown = nullptr;
    SurfaceType surface(size, [&](const std::vector<QRect>& rects) {
        for (const QRect& r : rects) presentedPixels += int64_t(r.width()) * r.height();
        if (window) window->present(shown->image(), rects);
    });
    shown = &surface;

    HeadlessHost host({screen.width, screen.height}, surface);
    SeededRandom random(uint64_t(effect) + 1);
    Form1 form(host, random);
    form.Form_Load();
    if (host.ended()) {
        state.SkipWithError("the saver did not start");
        return;
    }
    for (int tick = 0; tick < kWarmUpTicks; ++tick) form.Timer1_Timer();
    presentedPixels = 0;
    const int64_t rectsBefore = window ? window->repaintedRects() : 0;
    for (auto _ : state) form.Timer1_Timer();
    state.counters["presented_px"] = benchmark::Counter(double(presentedPixels), benchmark::Counter::kAvgIterations);
    if (window)
        state.counters["x11_rects"] =
            benchmark::Counter(double(window->repaintedRects() - rectsBefore), benchmark::Counter::kAvgIterations);
}

void RegisterAll(bool withX11) {
    for (const bool toX11 : {false, true}) {
        if (toX11 && !withX11) continue;
        for (const Screen& screen : kScreens) {
            for (const Effect& effect : kEffects) {
                const std::string name =
                    std::string(toX11 ? "x11/" : "draw/") + screen.name + "/" + effect.name + "/";
                benchmark::RegisterBenchmark((name + "naive").c_str(), OneTick<NaiveSurface>, effect.number, screen, toX11)
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark((name + "dirty").c_str(), OneTick<ImageSurface>, effect.number, screen, toX11)
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
}

}  // namespace
}  // namespace skyfolio

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const bool display = qEnvironmentVariableIsSet("DISPLAY");
    if (!display) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    skyfolio::RegisterAll(QGuiApplication::platformName() == "xcb");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
