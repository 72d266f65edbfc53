#include "bench/naive_surface.h"

#include <QPainter>

namespace skyfolio {

NaiveSurface::NaiveSurface(QSize size, PresentFunction present)
    : image_(size, QImage::Format_RGB32), present_(std::move(present)), whole_{image_.rect()} {
    image_.fill(Qt::black);
}

void NaiveSurface::clear() { image_.fill(Qt::black); }

void NaiveSurface::draw(const Picture& picture, int x, int y) {
    if (picture.isNull()) return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, picture.image());
}

void NaiveSurface::present() {
    if (present_) present_(whole_);
}

}  // namespace skyfolio
