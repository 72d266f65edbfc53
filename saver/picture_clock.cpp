#include "saver/form1.h"
#include "settings/conversions.h"

namespace skyfolio {
namespace {

constexpr int kFloat = 1;

}  // namespace

// The picture clock drives the picture changes of the copy effects and every
// change of Float.
void Form1::Timer2_Timer() {
    if (NumberValue(cfgEffect) == kFloat)
        FloatPictureClock();
    else
        CopyEffectsClock();
}

}  // namespace skyfolio
