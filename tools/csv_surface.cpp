#include "tools/csv_surface.h"

#include "platform/image_surface.h"

namespace skyfolio {

void CsvSurface::writeHeader() { std::fputs("tick,copy,x,y,size,picture\n", out_); }

void CsvSurface::clear() {
    if (frames_) frames_->clear();
}

void CsvSurface::draw(const Picture& picture, int x, int y) {
    const int copy = form_->copyIndex;
    int set = 0;
    for (const Picture& member : form_->second.members)
        if (&picture == &member) set = 1;
    std::fprintf(out_, "%d,%d,%d,%d,%d,%d\n", tick_, copy, x, y, form_->copySize[size_t(copy)], set);
    if (frames_) frames_->draw(picture, x, y);
}

void CsvSurface::present() {
    if (frames_) frames_->present();
}

}  // namespace skyfolio
