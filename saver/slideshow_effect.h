#pragma once

#include "saver/effect_family.h"
#include "saver/slideshow.h"

namespace skyfolio {

// Slideshow as Form1 runs it: the family's state is the slideshow's, its
// timers the slideshow's two.
class SlideshowEffect : public EffectFamily {
public:
    SlideshowEffect(Form1& form, const SaverSettings& settings, const SaverSeams& seams);

    void Form_Load() override;

    Slideshow slideshow;
};

}  // namespace skyfolio
