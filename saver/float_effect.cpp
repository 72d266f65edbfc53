// Float: one picture drifting over the screen, the next one of the list
// shown at every change.

#include "saver/form1.h"
#include "settings/conversions.h"

namespace skyfolio {
namespace {

constexpr int kFloatStep = 15;         // twips per motion tick, a pixel on a common display
constexpr int kFloatTopMargin = 615;   // twips at the top of the screen the picture turns at
constexpr int kMillisecondsPerSecond = 1000;

// "centerImage": the picture floats, or stays where it was centred.
constexpr int kFloating = 0;
constexpr int kCentred = 1;

}  // namespace

void Form1::FloatPictureClock() {
    // The clock converts its settings as it goes; a value it cannot read ends
    // the run as a bad value does at set-up.
    try {
        const double centerImage = NumberValue(cfgCenterImage);
        if (centerImage == kCentred || centerImage == kFloating) {
            const bool floating = centerImage == kFloating;
            if (BooleanValue(cfgNeverChange)) {
                // One picture for the whole run.
                if (!ShowFloatPicture()) return;
                if (floating) {
                    ChooseFloatDirection();
                    Timer3.setEnabled(true);
                }
                Timer2.setEnabled(false);
                return;
            }
            if (floating) {
                ChooseFloatDirection();
                Timer3.setEnabled(true);
            }
        }
        if (floatImageIndex > NumberValue(cfgImageTotal) - 1) floatImageIndex = 0;
        if (!ShowFloatPicture()) return;
        ++floatImageIndex;
        Timer2.setInterval(RoundInt32(NumberValue(cfgNextImageTime) * kMillisecondsPerSecond));
    } catch (const ConversionError&) {
        EndWithMessage(CacheFailureMessage(cachePathBuiltLast_));
    }
}

// One of the four diagonals, each as likely.
void Form1::ChooseFloatDirection() {
    for (int& slot : floatSlots) slot = Floor(2 * random_.uniform()) == 1 ? -kFloatStep : kFloatStep;
    floatListA[0] = floatSlots[0];
    floatListB[0] = floatSlots[1];
}

// The edge test reads the position before the move, so the picture overshoots
// an edge by one step before it turns; a picture larger than the screen turns
// at every tick and jitters in place.
void Form1::Timer3_Timer() {
    FloatBox& box = host_.firstPicture();
    const int L = box.left(), T = box.top();
    const int SW = ScaleWidth(), SH = ScaleHeight();
    if (L < 0 || L > SW || L + box.width() > SW) floatListA[0] = -floatListA[0];
    if (T < kFloatTopMargin || T > SH || T + box.height() > SH) floatListB[0] = -floatListB[0];
    box.move(L + floatListA[0], T + floatListB[0]);
}

}  // namespace skyfolio
