#include "saver/slide_layout.h"

#include <algorithm>
#include <cmath>

namespace skyfolio {
namespace {

int scaledSide(int side, double scale) { return std::max(1, int(std::lround(side * scale))); }

}  // namespace

PixelRect wholeIn(PictureSize photo, const PixelRect& box) {
    if (photo.width <= 0 || photo.height <= 0 || box.isEmpty()) return {};
    const double scale = std::min(double(box.width) / photo.width, double(box.height) / photo.height);
    const int width = std::min(box.width, scaledSide(photo.width, scale));
    const int height = std::min(box.height, scaledSide(photo.height, scale));
    return {box.x + (box.width - width) / 2, box.y + (box.height - height) / 2, width, height};
}

PictureSize coverSize(PictureSize photo, PictureSize box) {
    if (photo.width <= 0 || photo.height <= 0) return {};
    const double scale = std::max(double(box.width) / photo.width, double(box.height) / photo.height);
    return {std::max(box.width, scaledSide(photo.width, scale)), std::max(box.height, scaledSide(photo.height, scale))};
}

PixelRect fillCut(PictureSize covered, PictureSize box, bool portrait) {
    const int x = (covered.width - box.width) / 2;
    const int y = portrait ? 0 : (covered.height - box.height) / 2;
    return {x, y, box.width, box.height};
}

std::vector<PixelRect> slidePlaces(PictureSize canvas, int photos) {
    if (photos < 2) return {{0, 0, canvas.width, canvas.height}};
    const int half = canvas.width / 2;
    return {{0, 0, half, canvas.height}, {half, 0, canvas.width - half, canvas.height}};
}

}  // namespace skyfolio
