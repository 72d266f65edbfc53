// Procedures of Form1 whose work belongs to other parts of the saver and is
// not written yet; each body goes when its part arrives.

#include "saver/form1.h"

namespace skyfolio {

void Form1::FloatPictureClock() {}

}  // namespace skyfolio
