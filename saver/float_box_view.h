#pragma once

#include "saver/float_box.h"
#include "saver/surface.h"

namespace skyfolio {

// Keeps the surface showing Float's picture box. A box that its picture
// fills floats above the surface as its overlay, so a move redraws nothing
// beneath; a box being filled by a transition, or bare, is drawn into the
// surface, and what it leaves goes back to the background.
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
    PixelRect drawn_;  // where the box was drawn into the surface last; empty when it was not
};

}  // namespace skyfolio
