#pragma once

#include "imaging/pixels.h"

namespace skyfolio {

// The size Float shows a picture at when it shrinks large ones: a picture
// wider or taller than the screen at the largest size that fits the screen
// whole, its proportions kept to the nearest pixel and never less than a
// pixel a side; a picture that fits as it is.
PictureSize fitToScreen(PictureSize picture, PictureSize screen);

}  // namespace skyfolio
