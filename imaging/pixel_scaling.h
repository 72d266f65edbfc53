#pragma once

#include "imaging/pixels.h"

namespace skyfolio {

// The whole picture averaged into `size` (see AreaScaler); empty for a zero side.
Pixels scaledByArea(const Pixels& picture, PictureSize size);

}  // namespace skyfolio
