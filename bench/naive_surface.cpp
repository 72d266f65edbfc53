#include "bench/naive_surface.h"

#include <QPainter>

namespace skyfolio {

NaiveSurface::NaiveSurface(QSize size, PresentFunction present)
    : image_(size, QImage::Format_RGB32), background_(qRgb(0, 0, 0)), present_(std::move(present)), whole_{image_.rect()} {
    image_.fill(background_);
}

void NaiveSurface::setBackground(uint32_t colourValue) {
    background_ = pixelOfColourValue(colourValue);
    image_.fill(background_);
}

void NaiveSurface::clear() { image_.fill(background_); }

void NaiveSurface::clear(const PixelRect& rect) {
    QPainter(&image_).fillRect(QRect(rect.x, rect.y, rect.width, rect.height), QColor::fromRgb(background_));
}

void NaiveSurface::copy(const Pixels& picture, const PixelRect& part, int x, int y) {
    if (picture.isNull()) return;
    // The picture's rows as an image of its own, without copying them.
    const QImage source(reinterpret_cast<const uchar*>(picture.row(0)), picture.width(), picture.height(),
                        qsizetype(picture.stride()) * qsizetype(sizeof(uint32_t)), QImage::Format_RGB32);
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), source, QRect(part.x, part.y, part.width, part.height));
}

void NaiveSurface::paint(QPainter& painter, const QRect& rect) const { painter.drawImage(rect.topLeft(), image_, rect); }

void NaiveSurface::present() {
    if (present_) present_(whole_);
}

}  // namespace skyfolio
