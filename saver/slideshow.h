#pragma once

#include "saver/pan_zoom.h"
#include "saver/slide.h"
#include "saver/slide_pixels.h"
#include "saver/timer.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace skyfolio {

class MonotonicClock;
class RandomSource;
class SaverHost;
class Surface;
struct SaverSettings;

// The slideshow's options as the settings give them.
SlideOptions slideOptions(const SaverSettings& settings);

// Slideshow: the user's photos full screen, one slide after another through
// a crossfade, each moving slowly with pan and zoom. Its timers tick only
// while something moves: with pan and zoom off, nothing runs between
// changes but the change clock. The next slide is asked for as soon as one
// stands alone, so that it is made by the time it is due; nothing here waits.
class Slideshow {
public:
    // `end` ends a run that cannot go on, with its message; so does a
    // missing maker, for a program that makes no slides.
    Slideshow(const SaverSettings& settings, Surface& surface, SlideMaker* maker, RandomSource& random,
              const MonotonicClock& clock, std::function<void(const std::string& message)> end);

    // Opens the source of slides and asks for the first.
    void Start();
    // A frame of a crossfade or of pan and zoom, or a look for a slide due.
    void FrameTimer_Timer();
    // "NextImageTime": the next slide is due.
    void NextImageTimer_Timer();

    // A photo on the screen: its place in the list, where it shows and how
    // much of it (of 256; less while it fades in or out).
    struct Shown {
        int index;
        PixelRect frame;
        int weight;
    };
    std::vector<Shown> shown() const;

    Timer FrameTimer{0};
    Timer NextImageTimer{0};

private:
    struct Showing {
        Slide slide;
        PanZoomPath path;
        std::chrono::nanoseconds since{};
    };

    void takeReady();
    void beginChange();
    void drawFrame();
    void followFrameTimer();
    double progress(const Showing& showing) const;
    bool moving() const;
    FramedCanvas framed(const Showing& showing) const;
    int fadeWeight() const;
    // One screen row of a slide, its captions laid over it.
    const uint32_t* slideRow(const Showing& showing, const FramedCanvas& framed, int y, uint32_t* scratch) const;
    PixelRect captionPlace(const Slide& slide, size_t photo) const;

    const SaverSettings& cfg_;
    Surface& surface_;
    SlideMaker* maker_;
    RandomSource& random_;
    const MonotonicClock& clock_;
    std::function<void(const std::string&)> end_;

    SlideOptions options_;
    std::chrono::milliseconds crossfade_{};
    std::chrono::milliseconds onScreen_{};  // from one change to the next
    uint32_t background_ = 0;
    std::unique_ptr<SlideSource> source_;

    std::optional<Showing> current_;
    std::optional<Showing> incoming_;
    std::optional<Slide> ready_;  // made ahead, waiting for its time
    bool due_ = false;            // its time has come
    std::vector<uint32_t> scratch_;
};

}  // namespace skyfolio
