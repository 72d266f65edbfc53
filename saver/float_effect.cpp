// Float: one picture drifting over the screen, the next one of the list
// shown at every change.

#include "saver/form1.h"
#include "saver/random.h"
#include "saver/surface.h"
#include "settings/conversions.h"
#include "settings/setting_keys.h"

namespace skyfolio {
namespace {

constexpr int kFloatStep = 15;        // twips per motion tick, a pixel on a common display
constexpr int kFloatTopMargin = 615;  // twips at the top of the screen the picture turns at
constexpr int kMillisecondsPerSecond = 1000;

// "centerImage": the picture floats, or stays where it was centred.
constexpr int kFloating = 0;
constexpr int kCentred = 1;

}  // namespace

void Form1::FloatPictureClock() {
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
        EndWithMessage(SettingFailureMessage(error));
    }
}

// After the change that the clock started: the clock set afresh for the next
// picture, or stopped for good.
void Form1::EndFloatChange() {
    floatChange_ = FloatChange::None;
    switch (afterChange_) {
    case AfterChange::NextPicture:
        ++floatImageIndex;
        try {
            Timer2.setInterval(RoundInt32(cfg_.cfgNextImageTime * kMillisecondsPerSecond));
        } catch (const ConversionError&) {
            EndWithMessage(SettingFailureMessage(SettingError(keys::nextImageTime.key, NumberText(cfg_.cfgNextImageTime))));
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
void Form1::ChooseFloatDirection() {
    const auto oneWay = [&] { return Floor(2 * random_.uniform()) == 1 ? -kFloatStep : kFloatStep; };
    floatStepX = oneWay();
    floatStepY = oneWay();
}

// The edge test reads the position before the move, so the picture overshoots
// an edge by one step before it turns; a picture larger than the screen turns
// at every tick and jitters in place.
void Form1::Timer3_Timer() {
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
