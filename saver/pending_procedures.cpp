// Empty until the copy effects' picture clock lands; removed when it does.
#include "saver/form1.h"

namespace skyfolio {

void Form1::CopyEffectsClock() {}

}  // namespace skyfolio
