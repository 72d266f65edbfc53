#pragma once

#include "saver/form1.h"

#include <memory>
#include <vector>

namespace skyfolio {

// One family of effects (the copy effects, Float), as a screen-saver
// framework keeps one state per hack: its state, its procedures and the
// timers it runs. Form1 makes the family its effect names and forwards its
// set-up and every tick to it; no family knows another.
class EffectFamily {
public:
    EffectFamily(Form1& form, const SaverSettings& settings, const SaverSeams& seams);
    virtual ~EffectFamily() = default;
    EffectFamily(const EffectFamily&) = delete;
    EffectFamily& operator=(const EffectFamily&) = delete;

    // Set-up after the background: the first pictures and the timers.
    virtual void Form_Load() = 0;
    // Whether key and mouse input waits for something being drawn.
    virtual bool holdsInput() const { return false; }

    // The timers the family runs, in the order that breaks ties between
    // timers due at once.
    const std::vector<TimedHandler>& timers() const { return timers_; }

protected:
    int ScaleWidth() const { return form_.ScaleWidth(); }
    int ScaleHeight() const { return form_.ScaleHeight(); }

    Form1& form_;
    const Effect& effect;
    const SaverSettings& cfg_;
    Surface& surface_;
    PictureSource& pictures_;
    RandomSource& random_;
    const MonotonicClock& clock_;
    std::vector<TimedHandler> timers_;
};

// The row of kEffects that names a family makes it with this.
template <class Family>
std::unique_ptr<EffectFamily> makeFamily(Form1& form, const SaverSettings& settings, const SaverSeams& seams) {
    return std::make_unique<Family>(form, settings, seams);
}

}  // namespace skyfolio
