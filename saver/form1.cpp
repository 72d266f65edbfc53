#include "saver/form1.h"

#include "platform/units.h"
#include "settings/conversions.h"

namespace skyfolio {
namespace {

constexpr int kFloat = 1;

}  // namespace

int Form1::ScaleWidth() const { return host_.screenPixels().width * (scaleInTwips ? kTwipsPerPixel : 1); }

int Form1::ScaleHeight() const { return host_.screenPixels().height * (scaleInTwips ? kTwipsPerPixel : 1); }

void Form1::Timer2_Timer() {
    if (NumberValue(cfgEffect) == kFloat)
        FloatPictureClock();
    else
        CopyEffectsClock();
}

}  // namespace skyfolio
