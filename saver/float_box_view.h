#pragma once

#include "saver/float_box.h"
#include "saver/surface.h"

namespace skyfolio {

// Keeps the surface showing Float's picture box: where the box was and is no
// more goes back to the background, and the box is drawn where it stands.
class FloatBoxView {
public:
    explicit FloatBoxView(Surface& surface) : surface_(surface) {}

    // The surface brought up to the box as it now stands.
    void show(const FloatBox& box);
    // The `part` of `picture` drawn at the same place in the box, as a
    // transition's step does.
    void reveal(const FloatBox& box, const Pixels& picture, const PixelRect& part);

private:
    Surface& surface_;
    PixelRect shown_;  // where the box was drawn last; empty when hidden
};

}  // namespace skyfolio
