// Float's picture changes: the next picture of the list into FirstPicture,
// after a blank pause or through a drawn transition. Neither waits: the
// change is state that ChangeTimer's ticks carry to its end.

#include "imaging/units.h"
#include "saver/fit_to_screen.h"
#include "saver/float_effect.h"
#include "saver/monotonic_clock.h"
#include "saver/picture_source.h"
#include "saver/random.h"
#include "saver/surface.h"
#include "saver/transitions.h"

#include <exception>

namespace skyfolio {
namespace {

constexpr std::chrono::milliseconds kStandardPause{300};
// Asks for a tick at every display frame.
constexpr int kEveryFrame = 1;

int twips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace

void FloatEffect::ShowFloatPicture(AfterChange after) {
    afterChange_ = after;
    // A list shorter than its count leaves an empty path, which fails to load.
    const std::vector<std::string>& files = *cfg_.imageFiles;
    const auto index = static_cast<size_t>(floatImageIndex);
    floatPicturePath_ = index < files.size() ? files[index] : std::string();
    if (cfg_.cfgTransition != kStandard || cfg_.cfgRandomTransition == 1)
        StartTransition();
    else
        StartPause();
}

// A picture shrunk to fit the screen is decoded at the size it is shown at,
// so that a camera's photo is never held whole. One whose file does not
// tell its size is loaded as it is.
Pixels FloatEffect::LoadFloatPicture() {
    const std::optional<PictureSize> own =
        cfg_.cfgFitLargePictures ? pictures_.userPictureSize(floatPicturePath_) : std::nullopt;
    if (own) {
        const PictureSize shown = fitToScreen(*own, surface_.size());
        if (shown != *own) return pictures_.userPicture(floatPicturePath_, shown);
    }
    return pictures_.userPicture(floatPicturePath_);
}

// The box blank for a moment; the saver handles input and its other timers meanwhile.
void FloatEffect::StartPause() {
    FirstPicture.visible = false;
    // Not held beside the next picture while that one loads.
    FirstPicture.picture = Pixels();
    ShowFirstPicture();
    floatChange_ = FloatChange::Pausing;
    pauseStart_ = clock_.now();
    ChangeTimer.setInterval(int(kStandardPause.count()));
    ChangeTimer.setEnabled(true);
}

void FloatEffect::EndPause() {
    ChangeTimer.setEnabled(false);
    try {
        FirstPicture.picture = LoadFloatPicture();
    } catch (const std::exception&) {
        form_.EndWithMessage(Form1::FloatFailureMessage(floatPicturePath_));
        return;
    }
    FirstPicture.pictureIndex = floatImageIndex;
    FirstPicture.width = twips(FirstPicture.picture.width());
    FirstPicture.height = twips(FirstPicture.picture.height());
    CentreFirstPicture();
    FirstPicture.visible = true;
    ShowFirstPicture();
    EndFloatChange();
}

// The box emptied at once, then made the new picture's size and centred;
// the steps copy the picture into it from incoming_.
void FloatEffect::StartTransition() {
    FirstPicture.picture = Pixels();
    FirstPicture.pictureIndex = floatImageIndex;
    FirstPicture.width = 1;
    FirstPicture.height = 1;
    FirstPicture.visible = true;
    ShowFirstPicture();
    incoming_ = Pixels();  // not held twice while the next one loads
    try {
        incoming_ = LoadFloatPicture();
    } catch (const std::exception&) {
        form_.EndWithMessage(Form1::FloatFailureMessage(floatPicturePath_));
        return;
    }
    FirstPicture.height = twips(incoming_.height());
    FirstPicture.width = twips(incoming_.width());
    CentreFirstPicture();
    view_.show(FirstPicture);

    // Standard is never drawn at random.
    const double transition = cfg_.cfgRandomTransition == 1 ? randomTransition(random_.uniform()) : cfg_.cfgTransition;
    const PixelRect at = pixelsOf(FirstPicture);
    const PixelRect screen{-at.x, -at.y, surface_.size().width, surface_.size().height};
    reveal_ = TransitionReveal(TransitionSteps(transition, incoming_.width(), incoming_.height()),
                               intersected(incoming_.rect(), screen), clock_.now());
    floatChange_ = FloatChange::Revealing;
    ChangeTimer_Timer();
    if (floatChange_ != FloatChange::Revealing) return;
    ChangeTimer.setInterval(kEveryFrame);
    ChangeTimer.setEnabled(true);
}

void FloatEffect::EndTransition() {
    ChangeTimer.setEnabled(false);
    // Whatever the transition left undrawn, the whole picture stands now.
    FirstPicture.picture = incoming_;
    ShowFirstPicture();
    EndFloatChange();
    if (motionHeld_) {
        motionHeld_ = false;
        Timer3_Timer();
    }
}

void FloatEffect::ChangeTimer_Timer() {
    switch (floatChange_) {
    case FloatChange::None:
        ChangeTimer.setEnabled(false);
        return;
    case FloatChange::Pausing: {
        const auto waited = clock_.now() - pauseStart_;
        if (waited >= kStandardPause) {
            EndPause();
            return;
        }
        // Early by the timer's reckoning: the rest of the pause.
        const auto rest = std::chrono::ceil<std::chrono::milliseconds>(kStandardPause - waited);
        ChangeTimer.setInterval(int(rest.count()));
        return;
    }
    case FloatChange::Revealing:
        reveal_.advance(clock_.now(), view_, FirstPicture, incoming_);
        if (reveal_.done())
            EndTransition();
        else
            surface_.present();
        return;
    }
}

// Division truncates toward zero, also for a picture larger than the screen.
void FloatEffect::CentreFirstPicture() {
    FirstPicture.left = (ScaleWidth() - FirstPicture.width) / 2;
    FirstPicture.top = (ScaleHeight() - FirstPicture.height) / 2;
}

void FloatEffect::ShowFirstPicture() {
    view_.show(FirstPicture);
    surface_.present();
}

}  // namespace skyfolio
