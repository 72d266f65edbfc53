#pragma once

#include "imaging/pixels.h"
#include "imaging/units.h"

namespace skyfolio {

// FirstPicture as Float moves it.
struct FloatBox {
    // Twips, exactly as set: the bounce compares them with the screen's edges.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    // Shown at the box's top-left corner; the form's background elsewhere.
    Pixels picture;
    // The list entry the picture came from; -1 for none.
    int pictureIndex = -1;
};

// Where the box lies on the screen, in whole pixels.
inline PixelRect pixelsOf(const FloatBox& box) {
    return {twipsToPixels(box.left), twipsToPixels(box.top), twipsToPixels(box.width), twipsToPixels(box.height)};
}

}  // namespace skyfolio
