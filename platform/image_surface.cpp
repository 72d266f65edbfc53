#include "platform/image_surface.h"

#include <QPainter>

namespace skyfolio {

ImageSurface::ImageSurface(QSize size, PresentFunction present)
    : image_(size, QImage::Format_RGB32), present_(std::move(present)) {
    image_.fill(background_);
}

void ImageSurface::setBackground(QColor colour) {
    background_ = colour;
    clear();
}

void ImageSurface::clear() {
    image_.fill(background_);
    changed_.assign(1, image_.rect());
}

void ImageSurface::draw(const Picture& picture, int x, int y) {
    if (picture.isNull()) return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, picture.image());
    changed_.push_back(QRect(x, y, picture.width(), picture.height()) & image_.rect());
}

void ImageSurface::present() {
    if (present_ && !changed_.empty()) present_(changed_);
    changed_.clear();
}

}  // namespace skyfolio
