#pragma once

#include "saver/copy.h"
#include "saver/effects.h"
#include "saver/float_box.h"
#include "saver/float_box_view.h"
#include "saver/picture_set.h"
#include "saver/slideshow.h"
#include "saver/timer.h"
#include "saver/transition_reveal.h"
#include "settings/saver_settings.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace skyfolio {

class MonotonicClock;
class PictureSource;
class RandomSource;
class SaverHost;
class Surface;
struct CopyPhase;

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
// a transition is state that later timer ticks carry on.
class Form1 {
public:
    Form1(const SaverSettings& settings, SaverSeams seams);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Set-up: the background, the first pictures and their members, the
    // effect's timers.
    void Form_Load();

    // The copy animation: one tick in each phase, the picture-change clock,
    // and the change itself.
    void Timer1_Timer();
    void Timer5_Timer();
    void Timer2_Timer();
    void Timer4_Timer();

    // Motion rules: how a copy is aimed and moved through its size steps.
    void SetCopyStep(Copy& copy, int16_t speed);
    void StepCopy(Copy& copy);
    void StepWarpCopy(Copy& copy);

    // Float: the motion tick, and the picture change under way (the end of
    // the pause, or the next steps of a transition).
    void Timer3_Timer();
    void ChangeTimer_Timer();

    // Form1's inner width and height in its current scale.
    int ScaleWidth() const;
    int ScaleHeight() const;

    // While a transition is drawn, key and mouse input waits until it is over.
    bool holdsInput() const { return floatChange_ == FloatChange::Revealing; }

    // Ends a run that cannot go on: the form unloaded, the message shown, the
    // program ended. The caller returns at once.
    void EndWithMessage(const std::string& text);
    // What a cache picture that cannot be shown makes the saver say.
    static std::string CacheFailureMessage(const std::string& cachePath);
    // What a Float picture that cannot be shown makes the saver say.
    static std::string FloatFailureMessage(const std::string& picturePath);
    // What a setting that Float's clock cannot use makes the saver say.
    static std::string SettingFailureMessage(const SettingError& error);

    // The engine state, shared by the procedures.
    const Effect& effect;
    std::vector<Copy> copies;
    std::array<int16_t, 12> effectParam{};
    bool keepTrails = false;
    // Picture change: which set holds the newest picture (1 the second),
    // how many copies may show it, the pacing count, and which set is next.
    int secondImageReady = 0;
    int admittedCopies = 0;
    int admitTicks = 0;
    int imageChangeDue = 0;
    int cacheNumber = 0;  // the cache picture loaded last
    PictureSet first;
    PictureSet second;

    // Float: FirstPicture, the picture box shown and moved; the new picture
    // of a transition comes in from second.source.
    FloatBox FirstPicture;
    int floatImageIndex = 0;  // the list entry shown next
    int floatStepX = 0;       // twips per motion tick
    int floatStepY = 0;

    // Form1's scale: pixels for the copy effects, twips for Float.
    bool scaleInTwips = false;

    // Design intervals; all disabled at design time.
    Timer Timer1{1};  // animation tick while the second set is the newest
    Timer Timer2{0};  // picture-change clock; Float's picture clock
    Timer Timer3{100};  // Float's motion tick
    Timer Timer4{1};  // one picture change, a one-shot
    Timer Timer5{1};  // animation tick while the first set is the newest
    Timer ChangeTimer{1};  // Float's picture change under way

    // Slideshow: its own state, procedures and timers.
    Slideshow slideshow;
    void SlideshowFrame_Timer() { slideshow.FrameTimer_Timer(); }
    void SlideshowChange_Timer() { slideshow.NextImageTimer_Timer(); }

private:
    enum class FloatChange { None, Pausing, Revealing };
    // What Float's clock does once the change it started is over.
    enum class AfterChange { NextPicture, KeepCentred, KeepFloating };

    void PrepareCachePictures();
    void ArmEffect();
    void ArmCopyEffect();
    void ArmFloat();

    void CopyTick(const CopyPhase& phase);
    void RelaunchCopy(Copy& copy, int W, int H);
    const PictureSet& ChooseSource(const CopyPhase& phase, size_t index);
    void AdmissionStep(const CopyPhase& phase);
    void AdmitMoreCopies();
    void CopyEffectsClock();

    void FloatPictureClock();
    void ChooseFloatDirection();
    void ShowFloatPicture(AfterChange after);
    void StartPause();
    void EndPause();
    void StartTransition();
    void EndTransition();
    void EndFloatChange();
    void CentreFirstPicture();
    void ShowFirstPicture();
    Pixels LoadFloatPicture();

    const SaverSettings& cfg_;
    Surface& surface_;
    PictureSource& pictures_;
    SaverHost& host_;
    RandomSource& random_;
    const MonotonicClock& clock_;

    // cfgCopies in the saver: the index of the last copy.
    double lastCopy_ = -1;
    // For the load-error message: the cache picture path built last.
    std::string cachePathBuiltLast_;

    FloatChange floatChange_ = FloatChange::None;
    AfterChange afterChange_ = AfterChange::NextPicture;
    std::string floatPicturePath_;  // of the change under way
    std::chrono::nanoseconds pauseStart_{};
    TransitionReveal reveal_;
    FloatBoxView view_;
    bool motionHeld_ = false;  // a motion tick fell due during a transition
};

}  // namespace skyfolio
