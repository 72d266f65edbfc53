#pragma once

#include "platform/image_surface.h"
#include "saver/form1.h"

#include <functional>
#include <memory>
#include <optional>

namespace skyfolio {

class MonotonicClock;
class PictureSource;
class RandomSource;
class SaverHost;
class SlideMaker;

// What the engines of all screens share: the pictures, the program around
// them, the one generator and the clock.
struct SharedSeams {
    PictureSource& pictures;
    SaverHost& host;
    RandomSource& random;
    const MonotonicClock& clock;
    SlideMaker* slides = nullptr;
};

// One screen's saver: a Form1 of its own, set up at a size in device pixels,
// drawing on its own persistent image, its timers run by the event loop.
// Whatever shows the image (a saver window, or a window someone else made)
// is told what changed and paints it from surface().
class ScreenEngine {
public:
    // With `sharing`, the image's rows are kept where the window's server
    // reads them straight (ImageSurface::Sharing).
    ScreenEngine(const SaverSettings& settings, SharedSeams seams, PictureSize size,
                 ImageSurface::PresentFunction present, std::function<void()> afterTick,
                 std::optional<ImageSurface::Sharing> sharing = std::nullopt);
    ~ScreenEngine();
    ScreenEngine(const ScreenEngine&) = delete;
    ScreenEngine& operator=(const ScreenEngine&) = delete;

    // Form1's set-up. Kept apart from construction, so that whoever may have
    // to unload the saver meanwhile already holds the engine.
    void load();
    // Set up afresh at a new size, loaded, as a new screen would be.
    void resize(PictureSize size);
    // Stops for good: the saver was unloaded.
    void halt();

    PictureSize size() const;
    const Form1& form() const;
    // For whoever runs the procedures itself, as a benchmark does.
    Form1& form();
    const ImageSurface& surface() const;

private:
    struct Run;

    const SaverSettings& settings_;
    SharedSeams seams_;
    ImageSurface::PresentFunction present_;
    std::function<void()> afterTick_;
    std::optional<ImageSurface::Sharing> sharing_;
    std::unique_ptr<Run> run_;
    bool halted_ = false;
};

}  // namespace skyfolio
