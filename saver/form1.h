#pragma once

#include "saver/effects.h"
#include "saver/timed_handler.h"
#include "settings/saver_settings.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace skyfolio {

class EffectFamily;
class MonotonicClock;
class PictureSource;
class RandomSource;
class SaverHost;
class SlideMaker;
class Surface;

// What the engine works with, all owned by the program around it. One
// random source may serve several engines.
struct SaverSeams {
    Surface& surface;
    PictureSource& pictures;
    SaverHost& host;
    RandomSource& random;
    const MonotonicClock& clock;
    // Where Slideshow's slides come from; none where the program shows none.
    SlideMaker* slides = nullptr;
};

// The saver form's procedures over the engine state, plain C++: the seams
// draw, load pictures, tell the time and end the run, so a test drives every
// procedure with fakes and checks positions. Nothing here waits: a pause or
// a transition is state that later timer ticks carry on. The state and the
// procedures are the effect family's that the effect belongs to; the
// procedures here forward to it.
class Form1 {
public:
    Form1(const SaverSettings& settings, SaverSeams seams);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Set-up: the background, then the family's first pictures and timers.
    void Form_Load();

    // The timers' handlers, each run when the family in use has that timer.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void ChangeTimer_Timer();

    // The timers of the family in use with their handlers, for whoever runs them.
    const std::vector<TimedHandler>& timers() const;
    // The family in use as the one it is: none when it is another, or an
    // error for the reference.
    template <class Family>
    Family* familyInUse() const {
        return dynamic_cast<Family*>(family_.get());
    }
    template <class Family>
    Family& family() const {
        return dynamic_cast<Family&>(*family_);
    }

    // Form1's inner width and height in its current scale.
    int ScaleWidth() const;
    int ScaleHeight() const;

    // Whether key and mouse input waits for something being drawn.
    bool holdsInput() const;

    // Ends a run that cannot go on: the form unloaded, the message shown, the
    // program ended. The caller returns at once.
    void EndWithMessage(const std::string& text);
    // What a cache picture that cannot be shown makes the saver say.
    static std::string CacheFailureMessage(const std::string& cachePath);
    // What a Float picture that cannot be shown makes the saver say.
    static std::string FloatFailureMessage(const std::string& picturePath);
    // What a setting that Float's clock cannot use makes the saver say.
    static std::string SettingFailureMessage(const SettingError& error);

    const Effect& effect;
    // Form1's scale: pixels for the copy effects, twips for Float.
    bool scaleInTwips = false;

private:
    void RunTimer(std::string_view name);

    const SaverSettings& cfg_;
    Surface& surface_;
    SaverHost& host_;
    std::unique_ptr<EffectFamily> family_;
};

}  // namespace skyfolio
