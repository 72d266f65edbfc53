#pragma once

#include "imaging/pixels.h"

namespace skyfolio {

class RandomSource;

// How much larger than the screen a photo is made when it pans and zooms:
// the framings move within it and zoom by at most this much.
inline constexpr double kMostZoom = 0.15;

// The canvas a slide is made on: the screen's size, or with pan and zoom the
// room the framings move in.
PictureSize slideCanvas(PictureSize screen, bool panZoom);

// The part of the canvas the screen shows, scaled to fill the screen; it has
// the screen's proportions, so its width says its height.
struct Framing {
    double x = 0;
    double y = 0;
    double width = 0;
};

// A photo's slow move from one framing to another over its time on screen.
class PanZoomPath {
public:
    PanZoomPath() = default;
    // The whole canvas, still.
    static PanZoomPath still(PictureSize canvas);
    // From the whole canvas in to a framing as large as the screen, or back
    // out, in a direction chosen at random; with `keepTop` the framings stay
    // at the top of the canvas.
    static PanZoomPath chosen(PictureSize canvas, PictureSize screen, bool keepTop, RandomSource& random);

    // Where the path is at `progress`, from 0 to 1.
    Framing at(double progress) const;
    bool moves() const { return from_.x != to_.x || from_.y != to_.y || from_.width != to_.width; }

private:
    Framing from_;
    Framing to_;
};

}  // namespace skyfolio
