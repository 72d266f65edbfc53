// Empty until the Float procedures land; the lead removes this file when merging.
#include "saver/form1.h"

namespace skyfolio {

void Form1::FloatPictureClock() {}
void Form1::Timer3_Timer() {}
void Form1::ShowFloatPicture() {}
void Form1::RunTransition() {}

}  // namespace skyfolio
