#pragma once

#include "imaging/pixels.h"

#include <QSize>

namespace skyfolio {

// Sizes cross here from the decoders, which speak Qt, to the Qt-free core.
inline PictureSize pictureSize(QSize size) { return {size.width(), size.height()}; }

}  // namespace skyfolio
