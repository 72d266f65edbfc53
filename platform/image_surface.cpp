#include "platform/image_surface.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace skyfolio {
namespace {

// Filling a rectangle costs only its pixels, so the record of drawn areas can
// stay fine-grained. Every rectangle presented costs the window some work of
// its own, and the window's region splits overlapping ones further, so what
// changed is coalesced harder. With 21 copies on a 4K screen, 16 rectangles
// (about 50 once the window has made its region of them) presented a tenth
// of the screen and were the fastest to get to an X server; 4 presented half
// of it, and one bounding box nearly all.
constexpr size_t kDrawnRectangles = 32;
constexpr size_t kPresentedRectangles = 16;

}  // namespace

ImageSurface::ImageSurface(QSize size, PresentFunction present)
    : image_(size, QImage::Format_RGB32),
      background_(QColor(Qt::black).rgb()),
      present_(std::move(present)),
      drawn_(kDrawnRectangles),
      changed_(kPresentedRectangles) {
    image_.fill(background_);
}

void ImageSurface::setBackground(QColor colour) {
    background_ = colour.rgb();
    image_.fill(background_);
    drawn_.reset();
    changed_.reset();
    changed_.add(image_.rect());
}

void ImageSurface::clear() {
    for (const QRect& rect : drawn_.rects()) {
        fill(rect);
        changed_.add(rect);
    }
    drawn_.reset();
}

void ImageSurface::draw(const Picture& picture, int x, int y) {
    const QRect target = QRect(x, y, picture.width(), picture.height()) & image_.rect();
    if (target.isEmpty()) return;
    const QImage& source = picture.image();
    if (source.format() == image_.format()) {
        // A plain copy of pixels of one format needs no painter, which would
        // allocate its state at every draw.
        const size_t rowBytes = size_t(target.width()) * sizeof(QRgb);
        for (int row = 0; row < target.height(); ++row) {
            const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(target.y() - y + row)) + (target.x() - x);
            std::memcpy(reinterpret_cast<QRgb*>(image_.scanLine(target.y() + row)) + target.x(), from, rowBytes);
        }
    } else {
        QPainter painter(&image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(x, y, source);
    }
    drawn_.add(target);
    changed_.add(target);
}

void ImageSurface::present() {
    if (changed_.empty()) return;
    if (present_) present_(changed_.rects());
    changed_.reset();
}

void ImageSurface::fill(const QRect& rect) {
    for (int row = rect.top(); row <= rect.bottom(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(row)) + rect.x();
        std::fill(line, line + rect.width(), background_);
    }
}

}  // namespace skyfolio
