// One frame of the saver on a desktop of one screen and of two side by
// side, through the program's own parts: each screen's ScreenEngine ticks
// and its SaverWindow presents, then the event loop runs until the X server
// has said, for every present, that it has read the pixels. That is what the
// running saver's event loop does between ticks: a tick then finds its image
// free and never asks the server itself. At 1920 x 1080 and, for comparison,
// at 960 x 540, where two screens' images still fit the processor's cache.

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

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QGuiApplication>
#include <QWindow>

#include <benchmark/benchmark.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

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

// Counts the server's word that it has read a present, on its way to the
// presenters; installed after them, it sees each word first.
class Completions : public QAbstractNativeEventFilter {
public:
    Completions() {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        const xcb_query_extension_reply_t* shm = xcb_get_extension_data(x11->connection(), &xcb_shm_id);
        if (shm && shm->present) event_ = uint8_t(shm->first_event + XCB_SHM_COMPLETION);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~Completions() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool available() const { return event_ != 0; }
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType == "xcb_generic_event_t" &&
            (static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f) == event_)
            ++seen;
        return false;
    }

    int64_t seen = 0;

private:
    uint8_t event_ = 0;
};

// A screen's window and engine, its timers halted: the benchmark ticks it.
struct BenchScreen {
    BenchScreen(const SaverSettings& settings, SharedSeams seams, QRect area)
        : window([this]() -> const ImageSurface& { return engine.surface(); }),
          engine(settings, seams, {area.width(), area.height()},
                 [this](const std::vector<QRect>& changed) {
                     window.repaintChanged(changed);
                     ++presents;
                 },
                 nullptr, window.sharing()) {
        window.cover(QGuiApplication::primaryScreen(), area);
        engine.load();
        engine.halt();
        window.showForm(false);
    }

    X11SaverWindow window;
    ScreenEngine engine;
    int64_t presents = 0;
};

// Every screen ticks and presents, then the event loop takes the server's
// word for each present; returns how often the loop woke for it.
int frame(std::list<BenchScreen>& screens, Completions& completions) {
    int64_t due = completions.seen;
    for (BenchScreen& screen : screens) {
        const int64_t before = screen.presents;
        screen.engine.form().Timer1_Timer();
        due += screen.presents - before;
    }
    int wakes = 0;
    for (; completions.seen < due; ++wakes) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return wakes;
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
    Completions completions;
    if (!completions.available() || !screens.front().window.sharing()) {
        state.SkipWithError("the X server has no MIT-SHM");
        return;
    }
    for (int tick = 0; tick < kWarmUpTicks; ++tick) frame(screens, completions);
    int64_t wakes = 0;
    for (auto _ : state) wakes += frame(screens, completions);
    state.counters["wakes"] = benchmark::Counter(double(wakes), benchmark::Counter::kAvgIterations);
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
