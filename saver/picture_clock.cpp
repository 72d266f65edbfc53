#include "saver/form1.h"

namespace skyfolio {

// The picture clock drives the picture changes of the copy effects and every
// change of Float.
void Form1::Timer2_Timer() {
    if (effect.usesCache())
        CopyEffectsClock();
    else
        FloatPictureClock();
}

}  // namespace skyfolio
