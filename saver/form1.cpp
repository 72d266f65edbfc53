#include "saver/form1.h"

#include "platform/units.h"

namespace skyfolio {

int Form1::ScaleWidth() const { return host_.screenPixels().width * (scaleInTwips ? kTwipsPerPixel : 1); }

int Form1::ScaleHeight() const { return host_.screenPixels().height * (scaleInTwips ? kTwipsPerPixel : 1); }

}  // namespace skyfolio
