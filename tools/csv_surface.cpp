#include "tools/csv_surface.h"

#include "platform/image_surface.h"
#include "saver/copy_effects.h"

namespace skyfolio {

void CsvSurface::writeHeader() { std::fputs("tick,copy,x,y,size,picture\n", out_); }

void CsvSurface::startTick(int tick) {
    tick_ = tick;
    drawnThisTick_ = 0;
}

void CsvSurface::setBackground(uint32_t colourValue) {
    if (frames_) frames_->setBackground(colourValue);
}

void CsvSurface::clear() {
    if (frames_) frames_->clear();
}

void CsvSurface::clear(const PixelRect& rect) {
    if (frames_) frames_->clear(rect);
}

void CsvSurface::copy(const Pixels& picture, const PixelRect& part, int x, int y) {
    for (int set = 0; copies_ && set < 2; ++set) {
        const PictureSet& from = set == 0 ? copies_->first : copies_->second;
        for (int k = 1; k <= kMemberCount; ++k)
            if (&picture == &from.member(k)) std::fprintf(out_, "%d,%d,%d,%d,%d,%d\n", tick_, drawnThisTick_++, x, y, k, set);
    }
    if (frames_) frames_->copy(picture, part, x, y);
}

void CsvSurface::setOverlay(const Pixels& picture, int x, int y) {
    if (frames_) frames_->setOverlay(picture, x, y);
}

void CsvSurface::fillRows(const PixelRect& rect, const RowFill& fill) {
    if (frames_) frames_->fillRows(rect, fill);
}

void CsvSurface::present() {
    if (frames_) frames_->present();
}

}  // namespace skyfolio
