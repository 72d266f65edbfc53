#include "saver/fit_to_screen.h"

#include <algorithm>
#include <cstdint>

namespace skyfolio {
namespace {

// `side` x `to` / `from`, to the nearest whole number, a half rounded up;
// whole numbers throughout, so that a side that should fit never exceeds
// the screen by a rounding.
int proportional(int side, int to, int from) {
    return static_cast<int>((int64_t(side) * to * 2 + from) / (int64_t(from) * 2));
}

}  // namespace

PictureSize fitToScreen(PictureSize picture, PictureSize screen) {
    if (picture.width <= 0 || picture.height <= 0) return picture;
    if (picture.width <= screen.width && picture.height <= screen.height) return picture;
    // The side that meets the screen's edge first sets the scale.
    const bool widthLimits = int64_t(screen.width) * picture.height <= int64_t(screen.height) * picture.width;
    const PictureSize fitted = widthLimits
                                   ? PictureSize{screen.width, proportional(picture.height, screen.width, picture.width)}
                                   : PictureSize{proportional(picture.width, screen.height, picture.height), screen.height};
    return {std::max(1, fitted.width), std::max(1, fitted.height)};
}

}  // namespace skyfolio
