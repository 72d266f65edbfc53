#pragma once

#include "saver/surface.h"

#include <cstdio>

namespace skyfolio {

class CopyEffects;
class ImageSurface;

// A surface of a given size that writes one CSV row per drawn copy of a copy
// effect: the tick, the copy, where it was drawn, the size step it was drawn
// from and its set (0 the first, 1 the second). With an image surface given,
// it draws there as well.
class CsvSurface : public Surface {
public:
    CsvSurface(std::FILE* out, PictureSize size, ImageSurface* frames) : out_(out), size_(size), frames_(frames) {}

    void watch(const CopyEffects& copies) { copies_ = &copies; }
    void startTick(int tick);
    void writeHeader();

    PictureSize size() const override { return size_; }
    void setBackground(uint32_t colourValue) override;
    void clear() override;
    void clear(const PixelRect& rect) override;
    void copy(const Pixels& picture, const PixelRect& part, int x, int y) override;
    void setOverlay(const Pixels& picture, int x, int y) override;
    void present() override;
    // Rows are only drawn for the frames; the simulator writes Slideshow's rows itself.
    void fillRows(const PixelRect& rect, const RowFill& fill) override;

private:
    std::FILE* out_;
    PictureSize size_;
    ImageSurface* frames_;
    const CopyEffects* copies_ = nullptr;
    int tick_ = 0;
    int drawnThisTick_ = 0;  // the copies are drawn in order, one each
};

}  // namespace skyfolio
