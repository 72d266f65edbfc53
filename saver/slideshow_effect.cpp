#include "saver/slideshow_effect.h"

#include <exception>

namespace skyfolio {

SlideshowEffect::SlideshowEffect(Form1& form, const SaverSettings& settings, const SaverSeams& seams)
    : EffectFamily(form, settings, seams),
      slideshow(settings, seams.surface, seams.slides, seams.random, seams.clock,
                [&form](const std::string& message) { form.EndWithMessage(message); }) {
    timers_ = {{"FrameTimer", &slideshow.FrameTimer, [this] { slideshow.FrameTimer_Timer(); }},
               {"NextImageTimer", &slideshow.NextImageTimer, [this] { slideshow.NextImageTimer_Timer(); }}};
}

// A count that is no number fails now, as Float's does, not when a photo is due.
void SlideshowEffect::Form_Load() {
    try {
        (void)*cfg_.imageFiles;
    } catch (const std::exception&) {
        form_.EndWithMessage(Form1::CacheFailureMessage({}));
        return;
    }
    slideshow.Start();
}

}  // namespace skyfolio
