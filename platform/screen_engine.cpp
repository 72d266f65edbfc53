#include "platform/screen_engine.h"

#include "platform/timer_driver.h"

#include <deque>

namespace skyfolio {

// The surface, the form drawing on it, and the form's timers, each run by
// the event loop and calling its handler; after every tick the owner's
// follow-up runs (input that waited for a transition is handed on).
struct ScreenEngine::Run {
    Run(const SaverSettings& settings, const SharedSeams& seams, PictureSize size,
        const ImageSurface::PresentFunction& present, const std::function<void()>& afterTick,
        const std::optional<ImageSurface::Sharing>& sharing)
        : surface(QSize(size.width, size.height), present, sharing),
          form(settings, {surface, seams.pictures, seams.host, seams.random, seams.clock, seams.slides}) {
        for (const TimedHandler& timed : form.timers())
            timers.emplace_back(*timed.timer, [&handler = timed.handler, &afterTick] {
                handler();
                if (afterTick) afterTick();
            });
    }

    ImageSurface surface;
    Form1 form;
    std::deque<TimerDriver> timers;
};

ScreenEngine::ScreenEngine(const SaverSettings& settings, SharedSeams seams, PictureSize size,
                           ImageSurface::PresentFunction present, std::function<void()> afterTick,
                           std::optional<ImageSurface::Sharing> sharing)
    : settings_(settings),
      seams_(seams),
      present_(std::move(present)),
      afterTick_(std::move(afterTick)),
      sharing_(std::move(sharing)),
      run_(std::make_unique<Run>(settings_, seams_, size, present_, afterTick_, sharing_)) {}

ScreenEngine::~ScreenEngine() = default;

void ScreenEngine::load() { run_->form.Form_Load(); }

void ScreenEngine::resize(PictureSize size) {
    if (halted_) return;
    // The new run is made before the old one goes, so that there is always
    // one; it holds no picture until it loads, so none is held twice.
    run_ = std::make_unique<Run>(settings_, seams_, size, present_, afterTick_, sharing_);
    load();
}

void ScreenEngine::halt() {
    halted_ = true;
    for (TimerDriver& timer : run_->timers) timer.halt();
}

PictureSize ScreenEngine::size() const { return run_->surface.size(); }

const Form1& ScreenEngine::form() const { return run_->form; }

Form1& ScreenEngine::form() { return run_->form; }

const ImageSurface& ScreenEngine::surface() const { return run_->surface; }

}  // namespace skyfolio
