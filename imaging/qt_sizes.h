#pragma once

#include "imaging/pixels.h"

#include <QSize>

namespace skyfolio {

// Sizes cross here between the decoders, which speak Qt, and the Qt-free core.
inline PictureSize pictureSize(QSize size) { return {size.width(), size.height()}; }
inline QSize qSize(PictureSize size) { return {size.width, size.height}; }

}  // namespace skyfolio
