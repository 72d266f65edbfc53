#pragma once

#include "saver/form1.h"
#include "saver/surface.h"

#include <cstdio>

namespace skyfolio {

class ImageSurface;

// A surface that writes one CSV row per drawn copy: the tick, the copy, where
// it was drawn, the size step it was drawn from and its set (0 the first,
// 1 the second). With an image surface given, it draws there as well.
class CsvSurface : public Surface {
public:
    CsvSurface(std::FILE* out, ImageSurface* frames) : out_(out), frames_(frames) {}

    void watch(const Form1& form) { form_ = &form; }
    void startTick(int tick) { tick_ = tick; }
    void writeHeader();

    void clear() override;
    void draw(const Picture& picture, int x, int y) override;
    void present() override;

private:
    std::FILE* out_;
    ImageSurface* frames_;
    const Form1* form_ = nullptr;
    int tick_ = 0;
};

}  // namespace skyfolio
