// One frame of the saver on a desktop of one screen and of two side by
// side, through the program's own parts: each screen's ScreenEngine ticks,
// then the event loop paints every SaverWindow and the X server is waited
// for, once for all screens, as the running saver's event loop does. At
// 1920 x 1080 and, for comparison, at 960 x 540, where two screens' images
// and backing stores still fit the processor's cache.

#include "bench/screens_tick.h"

#include "platform/clock.h"
#include "platform/file_picture_source.h"
#include "platform/screen_engine.h"
#include "platform/x11/x11_saver_window.h"
#include "saver/effects.h"
#include "saver/random.h"
#include "saver/shared_pictures.h"
#include "settings/conversions.h"
#include "settings/settings_file.h"
#include "tools/headless_host.h"
#include "tools/headless_program_folder.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QWindow>

#include <X11/Xlib.h>
#include <benchmark/benchmark.h>

#include <list>
#include <string>

namespace skyfolio {
namespace {

struct ScreenSize {
    const char* name;
    QSize size;
};
constexpr ScreenSize kSizes[] = {{"1080p", {1920, 1080}}, {"540p", {960, 540}}};
constexpr int kCopies = 21;
constexpr int kWarmUpTicks = 100;

// A screen's window and engine, its timers halted: the benchmark ticks it.
struct BenchScreen {
    BenchScreen(const SaverSettings& settings, SharedSeams seams, QRect area)
        : window([this]() -> const ImageSurface& { return engine.surface(); }),
          engine(settings, seams, {area.width(), area.height()},
                 [this](const std::vector<QRect>& changed) { window.repaintChanged(changed); }, nullptr,
                 window.sharing()) {
        window.cover(QGuiApplication::primaryScreen(), area);
        engine.load();
        engine.halt();
        window.showForm(false);
    }

    X11SaverWindow window;
    ScreenEngine engine;
};

// Every screen ticks, then every window paints and the server takes it all.
void frame(std::list<BenchScreen>& screens) {
    for (BenchScreen& screen : screens) screen.engine.form().Timer1_Timer();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    XSync(qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display(), False);
}

void ScreensTick(benchmark::State& state, const Effect* effect, QSize size, int count) {
    HeadlessProgramFolder folder({{&keys::mode, std::to_string(effect->id)}, {&keys::clonesOfImage, std::to_string(kCopies)}});
    const SaverSettings settings = readSaverSettings(SettingsFile());
    FilePictureSource files([](int number) { return cacheFilePath(DecimalText(number)); });
    SharedPictures pictures(files);
    HeadlessHost host;
    SeededRandom random(uint64_t(effect->id) + 1);
    const SteadyClock clock;
    std::list<BenchScreen> screens;
    for (int i = 0; i < count; ++i)
        screens.emplace_back(settings, SharedSeams{pictures, host, random, clock},
                             QRect(QPoint(i * size.width(), 0), size));
    if (host.ended()) {
        state.SkipWithError("the saver did not start");
        return;
    }
    for (BenchScreen& screen : screens)
        while (!screen.window.windowHandle() || !screen.window.windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    for (int tick = 0; tick < kWarmUpTicks; ++tick) frame(screens);
    for (auto _ : state) frame(screens);
}

}  // namespace

void RegisterScreenTicks() {
    for (const ScreenSize& size : kSizes)
        for (const int effect : {kSkyflock, kVortex})
            for (const int count : {1, 2}) {
                const Effect& shown = kEffects[size_t(effect)];
                const std::string name = std::string("screens/") + size.name + "/" + std::string(shown.name) + "/" +
                                         std::to_string(count);
                benchmark::RegisterBenchmark(name.c_str(), ScreensTick, &shown, size.size, count)
                    ->Unit(benchmark::kMillisecond);
            }
}

}  // namespace skyfolio
