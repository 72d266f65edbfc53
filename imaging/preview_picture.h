#pragma once

#include "imaging/picture.h"

#include <cstdint>

namespace skyfolio {

// The fixed preview picture: a few small picture cards fanned out on a sky,
// drawn by code at `size`.
Picture drawPreviewPicture(PictureSize size);

// What a picture box of `box` size shows: `picture` at its top-left corner,
// the rest in the box's background colour (0x00RRGGBB).
Picture pictureInBox(const Picture& picture, PictureSize box, uint32_t backColor);

}  // namespace skyfolio
