#pragma once

#include "imaging/pixels.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace skyfolio {

// Where the saver draws: the saver window's persistent image, shown on the
// screen when presented. Coordinates are pixels; drawing is clipped.
class Surface {
public:
    virtual ~Surface() = default;

    // The screen the saver covers.
    virtual PictureSize size() const = 0;
    // The background colour, 0x00BBGGRR as the settings give it; the whole
    // surface takes it.
    virtual void setBackground(uint32_t colourValue) = 0;
    // The whole surface, or one rectangle of it, back to the background.
    virtual void clear() = 0;
    virtual void clear(const PixelRect& rect) = 0;
    // The `part` of `picture` with its top-left corner at (x, y), a plain copy.
    virtual void copy(const Pixels& picture, const PixelRect& part, int x, int y) = 0;
    // One picture above everything drawn, its top-left corner at (x, y):
    // moving it redraws nothing beneath it. A null picture takes it away.
    virtual void setOverlay(const Pixels& picture, int x, int y) = 0;
    // Shows what was drawn since the last present.
    virtual void present() = 0;

    // Writes `rect`, which lies within the surface, row by row: `fill(y, row)`
    // writes the rect.width pixels of its row y. A surface with rows of its
    // own lets them be written in place; this one goes through a picture.
    using RowFill = std::function<void(int y, uint32_t* row)>;
    virtual void fillRows(const PixelRect& rect, const RowFill& fill) {
        std::vector<uint32_t> rows(size_t(rect.width) * size_t(rect.height));
        for (int y = 0; y < rect.height; ++y) fill(y, rows.data() + size_t(y) * size_t(rect.width));
        const Pixels picture({rect.width, rect.height}, std::move(rows));
        copy(picture, picture.rect(), rect.x, rect.y);
    }

    // The whole picture with its top-left corner at (x, y).
    void draw(const Pixels& picture, int x, int y) { copy(picture, picture.rect(), x, y); }
};

}  // namespace skyfolio
