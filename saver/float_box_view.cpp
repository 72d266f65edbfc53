#include "saver/float_box_view.h"

namespace skyfolio {

void FloatBoxView::show(const FloatBox& box) {
    const PixelRect now = box.visible ? pixelsOf(box) : PixelRect{};
    if (!now.isEmpty() && box.picture.size() == PictureSize{now.width, now.height}) {
        if (!drawn_.isEmpty()) surface_.clear(drawn_);
        drawn_ = {};
        surface_.setOverlay(box.picture, now.x, now.y);
        return;
    }
    surface_.setOverlay(Pixels(), 0, 0);
    for (const PixelRect& left : subtracted(drawn_, now)) surface_.clear(left);
    drawn_ = now;
    if (now.isEmpty()) return;
    const PixelRect inside{0, 0, now.width, now.height};
    const PixelRect picture = intersected(box.picture.rect(), inside);
    if (!picture.isEmpty()) surface_.copy(box.picture, picture, now.x, now.y);
    for (const PixelRect& bare : subtracted(inside, picture))
        surface_.clear({now.x + bare.x, now.y + bare.y, bare.width, bare.height});
}

void FloatBoxView::reveal(const FloatBox& box, const Pixels& picture, const PixelRect& part) {
    const PixelRect at = pixelsOf(box);
    const PixelRect inside = intersected(intersected(part, picture.rect()), {0, 0, at.width, at.height});
    if (!inside.isEmpty()) surface_.copy(picture, inside, at.x + inside.x, at.y + inside.y);
}

}  // namespace skyfolio
