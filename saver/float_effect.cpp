// Float: one picture drifting over the screen, the next one of the list
// shown at every change.

#include "saver/float_effect.h"
#include "saver/random.h"
#include "saver/surface.h"
#include "settings/conversions.h"
#include "settings/setting_keys.h"

#include <exception>

namespace skyfolio {
namespace {

constexpr int kFloatStep = 15;        // twips per motion tick, a pixel on a common display
constexpr int kFloatTopMargin = 615;  // twips at the top of the screen the picture turns at
constexpr int kMillisecondsPerSecond = 1000;
constexpr int kFloatPictureClockMs = 250;
// The motion tick by the speed step 1 to 5; other steps keep the design interval.
constexpr int kFloatMotionMs[] = {200, 150, 100, 50, 1};

// "centerImage": the picture floats, or stays where it was centred.
constexpr int kFloating = 0;
constexpr int kCentred = 1;

}  // namespace

FloatEffect::FloatEffect(Form1& form, const SaverSettings& settings, const SaverSeams& seams)
    : EffectFamily(form, settings, seams), view_(seams.surface) {
    timers_ = {{"Timer2", &Timer2, [this] { Timer2_Timer(); }},
               {"Timer3", &Timer3, [this] { Timer3_Timer(); }},
               {"ChangeTimer", &ChangeTimer, [this] { ChangeTimer_Timer(); }}};
}

// A count that is no number fails now, not when a picture is due; it ends
// the saver as a cache picture that cannot be shown would.
void FloatEffect::Form_Load() {
    try {
        (void)*cfg_.imageFiles;
        form_.scaleInTwips = true;
        floatImageIndex = 0;
        Timer2.setInterval(kFloatPictureClockMs);
        Timer2.setEnabled(true);
        const double step = cfg_.cfgFloatSpeed;
        if (step >= 1 && step <= 5 && step == Floor(step))
            Timer3.setInterval(kFloatMotionMs[static_cast<int>(step) - 1]);
    } catch (const std::exception&) {
        form_.EndWithMessage(Form1::CacheFailureMessage({}));
    }
}

// The picture clock: every change of picture.
void FloatEffect::Timer2_Timer() {
    // One change at a time: a tick that falls due while one is under way is
    // dropped, and the change sets the clock afresh when it is over.
    if (floatChange_ != FloatChange::None) return;
    try {
        const double centerImage = cfg_.cfgCenterImage;
        if (centerImage == kCentred || centerImage == kFloating) {
            const bool floating = centerImage == kFloating;
            if (*cfg_.cfgNeverChange) {
                // One picture for the whole run.
                ShowFloatPicture(floating ? AfterChange::KeepFloating : AfterChange::KeepCentred);
                return;
            }
            if (floating) {
                ChooseFloatDirection();
                Timer3.setEnabled(true);
            }
        }
        if (floatImageIndex > cfg_.cfgImageTotal - 1) floatImageIndex = 0;
        ShowFloatPicture(AfterChange::NextPicture);
    } catch (const SettingError& error) {
        form_.EndWithMessage(Form1::SettingFailureMessage(error));
    }
}

// After the change that the clock started: the clock set afresh for the next
// picture, or stopped for good.
void FloatEffect::EndFloatChange() {
    floatChange_ = FloatChange::None;
    switch (afterChange_) {
    case AfterChange::NextPicture:
        ++floatImageIndex;
        try {
            Timer2.setInterval(RoundInt32(cfg_.cfgNextImageTime * kMillisecondsPerSecond));
        } catch (const ConversionError&) {
            form_.EndWithMessage(
                Form1::SettingFailureMessage(SettingError(keys::nextImageTime.key, NumberText(cfg_.cfgNextImageTime))));
        }
        return;
    case AfterChange::KeepFloating:
        ChooseFloatDirection();
        Timer3.setEnabled(true);
        Timer2.setEnabled(false);
        return;
    case AfterChange::KeepCentred:
        Timer2.setEnabled(false);
        return;
    }
}

// One of the four diagonals, each as likely.
void FloatEffect::ChooseFloatDirection() {
    const auto oneWay = [&] { return Floor(2 * random_.uniform()) == 1 ? -kFloatStep : kFloatStep; };
    floatStepX = oneWay();
    floatStepY = oneWay();
}

// The edge test reads the position before the move, so the picture overshoots
// an edge by one step before it turns; a picture larger than the screen turns
// at every tick and jitters in place.
void FloatEffect::Timer3_Timer() {
    if (floatChange_ == FloatChange::Revealing) {
        motionHeld_ = true;  // the transition holds it back until it is over
        return;
    }
    FloatBox& box = FirstPicture;
    const int L = box.left, T = box.top;
    const int SW = ScaleWidth(), SH = ScaleHeight();
    if (L < 0 || L > SW || L + box.width > SW) floatStepX = -floatStepX;
    if (T < kFloatTopMargin || T > SH || T + box.height > SH) floatStepY = -floatStepY;
    box.left = L + floatStepX;
    box.top = T + floatStepY;
    view_.show(box);
    surface_.present();
}

}  // namespace skyfolio
