#pragma once

#include "imaging/pixels.h"

#include <vector>

namespace skyfolio {

inline bool isPortrait(PictureSize size) { return size.height > size.width; }

// The photo as large as fits in `box`, centred in it.
PixelRect wholeIn(PictureSize photo, const PixelRect& box);
// The photo's size once scaled to cover a box of `box` size.
PictureSize coverSize(PictureSize photo, PictureSize box);
// The part of a photo scaled to `covered` that shows in a box of `box` size:
// cut evenly around the middle, except that a portrait photo keeps its top,
// where the faces are.
PixelRect fillCut(PictureSize covered, PictureSize box, bool portrait);

// The places of the photos on a canvas: the whole canvas for one photo,
// its left and right halves for a pair.
std::vector<PixelRect> slidePlaces(PictureSize canvas, int photos);

}  // namespace skyfolio
