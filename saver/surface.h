#pragma once

#include "imaging/picture.h"

namespace skyfolio {

// Where the copy effects draw: the saver window's persistent image, shown on
// the screen when presented. Coordinates are pixels; drawing is clipped.
class Surface {
public:
    virtual ~Surface() = default;
    // The whole surface to the background colour.
    virtual void clear() = 0;
    // The whole picture with its top-left corner at (x, y), plain copy.
    virtual void draw(const Picture& picture, int x, int y) = 0;
    // Shows what was drawn since the last present.
    virtual void present() = 0;
};

}  // namespace skyfolio
