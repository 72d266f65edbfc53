// Empty until the effect, picture-change and Float procedures land; the lead removes this file when merging.
#include "saver/form1.h"

namespace skyfolio {

void Form1::Timer1_Timer() {}
void Form1::Timer5_Timer() {}
void Form1::CopyEffectsClock() {}
void Form1::FloatPictureClock() {}
void Form1::Timer3_Timer() {}
void Form1::Timer4_Timer() {}
void Form1::SetCopyStep(int16_t) {}
void Form1::StepCopy() {}
void Form1::StepWarpCopy() {}
void Form1::ShowFloatPicture() {}
void Form1::RunTransition() {}

}  // namespace skyfolio
