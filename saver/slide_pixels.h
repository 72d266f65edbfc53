#pragma once

#include "imaging/pixels.h"
#include "saver/pan_zoom.h"

#include <cstdint>
#include <vector>

namespace skyfolio {

// A small decode of a photo blurred, darkened and stretched smoothly over
// `box` of the rows from `to` (`stride` pixels apart), cut to cover it:
// the fill around a photo shown whole.
void drawBlurredFill(const Pixels& small, uint32_t* to, std::ptrdiff_t stride, const PixelRect& box);

// `part` of `picture` copied to rows from `to`, its corner at (x, y).
void copyPixels(const Pixels& picture, const PixelRect& part, uint32_t* to, std::ptrdiff_t stride, int x, int y);

// One framing of a canvas on the screen, resolved to the canvas's rows and
// columns that each screen pixel shows (the nearest: a framing never
// enlarges, so no pixel is stretched). A framing of the whole canvas on a
// screen its size copies rows as they are.
class FramedCanvas {
public:
    FramedCanvas() = default;
    FramedCanvas(const Pixels& canvas, const Framing& framing, PictureSize screen);

    // The pixels of screen row `y`: the canvas's own row when it shows
    // unscaled, otherwise written into `scratch`.
    const uint32_t* row(int y, uint32_t* scratch) const;
    // Where a rectangle of the canvas shows on the screen.
    PixelRect onScreen(const PixelRect& onCanvas) const;

private:
    // Screen pixels from `to` take the canvas's pixels from `from`, one to
    // one: a framing that zooms by at most a few percent drops a column now
    // and then, so a row is a few long copies, not a pixel-by-pixel look-up.
    struct Run {
        int from;
        int to;
        int length;
    };

    Pixels canvas_;
    Framing framing_;
    double scale_ = 1;
    bool straight_ = false;
    std::vector<Run> runs_;
    std::vector<int> rows_;
};

// `weight` of 256 parts of `b` over `a`, into `out`.
void blendRow(const uint32_t* a, const uint32_t* b, uint32_t* out, int width, int weight);
// A picture of premultiplied ARGB pixels laid over a row.
void overlayRow(const uint32_t* over, uint32_t* row, int width);

}  // namespace skyfolio
