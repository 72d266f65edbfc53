#pragma once

#include "imaging/pixels.h"
#include "saver/effect_family.h"
#include "saver/float_box.h"
#include "saver/float_box_view.h"
#include "saver/transition_reveal.h"

#include <chrono>
#include <string>

namespace skyfolio {

// Float: one picture of the user's list drifting over the screen, changed
// through a blank pause or a drawn transition.
class FloatEffect : public EffectFamily {
public:
    FloatEffect(Form1& form, const SaverSettings& settings, const SaverSeams& seams);

    void Form_Load() override;
    // While a transition is drawn, key and mouse input waits until it is over.
    bool holdsInput() const override { return floatChange_ == FloatChange::Revealing; }

    // The picture clock, the motion tick, and the picture change under way
    // (the end of the pause, or the next steps of a transition).
    void Timer2_Timer();
    void Timer3_Timer();
    void ChangeTimer_Timer();

    // The picture box shown and moved.
    FloatBox FirstPicture;
    int floatImageIndex = 0;  // the list entry shown next
    int floatStepX = 0;       // twips per motion tick
    int floatStepY = 0;

    // Design intervals; all disabled at design time.
    Timer Timer2{0};       // picture clock
    Timer Timer3{100};     // motion tick
    Timer ChangeTimer{1};  // picture change under way

private:
    enum class FloatChange { None, Pausing, Revealing };
    // What the clock does once the change it started is over.
    enum class AfterChange { NextPicture, KeepCentred, KeepFloating };

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

    FloatChange floatChange_ = FloatChange::None;
    AfterChange afterChange_ = AfterChange::NextPicture;
    std::string floatPicturePath_;  // of the change under way
    Pixels incoming_;               // the new picture a transition reveals
    std::chrono::nanoseconds pauseStart_{};
    TransitionReveal reveal_;
    FloatBoxView view_;
    bool motionHeld_ = false;  // a motion tick fell due during a transition
};

}  // namespace skyfolio
