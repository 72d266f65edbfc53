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
constexpr int kNarrow = 8;

// Rows of exactly the image's width, as an X server takes a Z pixmap of 32
// bits a pixel.
QImage imageOver(const SharedRows* shared, QSize size) {
    if (!shared) return QImage(size, QImage::Format_RGB32);
    return QImage(reinterpret_cast<uchar*>(shared->data()), size.width(), size.height(),
                  qsizetype(size.width()) * qsizetype(sizeof(QRgb)), QImage::Format_RGB32);
}

}  // namespace

ImageSurface::ImageSurface(QSize size, PresentFunction present, std::optional<Sharing> sharing)
    : shared_(sharing && !size.isEmpty() ? SharedRows::make(size_t(size.width()) * size_t(size.height()) * sizeof(QRgb))
                                         : nullptr),
      awaitReader_(shared_ ? std::move(sharing->awaitReader) : nullptr),
      image_(imageOver(shared_.get(), size)),
      background_(QColor(Qt::black).rgb()),
      present_(std::move(present)),
      drawn_(kDrawnRectangles),
      changed_(kPresentedRectangles) {
    image_.fill(background_);
    // The image is never shared, so its rows stay where they are.
    rows_ = reinterpret_cast<QRgb*>(image_.bits());
    stride_ = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
}

void ImageSurface::setBackground(uint32_t colourValue) {
    beforeWriting();
    pendingClear_.hold({});
    background_ = pixelOfColourValue(colourValue);
    image_.fill(background_);
    drawn_.reset();
    changed_.reset();
    changed_.add(image_.rect());
}

void ImageSurface::clear() {
    fillPendingClear();
    for (const QRect& rect : drawn_.rects()) changed_.add(rect);
    pendingClear_.hold(drawn_.rects());
    drawn_.reset();
}

void ImageSurface::fillPendingClear() {
    if (pendingClear_.empty()) return;
    beforeWriting();
    pendingClear_.fillUncovered([this](const QRect& rect) { fill(rect); });
}

void ImageSurface::clear(const PixelRect& rect) {
    const QRect target = QRect(rect.x, rect.y, rect.width, rect.height) & image_.rect();
    if (target.isEmpty()) return;
    fillPendingClear();
    beforeWriting();
    fill(target);
    changed_.add(target);
}

void ImageSurface::copy(const Pixels& picture, const PixelRect& part, int x, int y) {
    const PixelRect from = intersected(part, picture.rect());
    const int dx = x - part.x, dy = y - part.y;  // from the picture's pixels to the image's
    const QRect target = QRect(from.x + dx, from.y + dy, from.width, from.height) & image_.rect();
    if (target.isEmpty()) return;
    if (!pendingClear_.empty() && !pendingClear_.drawn(target)) fillPendingClear();
    beforeWriting();
    const int width = target.width();
    for (int row = target.top(); row <= target.bottom(); ++row) {
        QRgb* to = pixelRow(row) + target.x();
        const uint32_t* from = picture.row(row - dy) + (target.x() - dx);
        // A transition's steps are often a column or two wide: a call per
        // row would cost more than its pixels.
        if (width <= kNarrow) {
            for (int x = 0; x < width; ++x) to[x] = from[x];
        } else {
            std::memcpy(to, from, size_t(width) * sizeof(QRgb));
        }
    }
    drawn_.add(target);
    changed_.add(target);
}

void ImageSurface::fillRows(const PixelRect& rect, const RowFill& fill) {
    const QRect target(rect.x, rect.y, rect.width, rect.height);
    if (target.isEmpty() || !image_.rect().contains(target)) return;
    for (int y = 0; y < rect.height; ++y) fill(y, pixelRow(rect.y + y) + rect.x);
    drawn_.add(target);
    changed_.add(target);
}

void ImageSurface::setOverlay(const Pixels& picture, int x, int y) {
    changed_.add(overlayAt_ & image_.rect());
    if (!awaitReader_) {
        overlay_ = picture;
    } else if (picture.row(0) != overlaySource_.row(0) || picture.size() != overlaySource_.size()) {
        shareOverlay(picture);
    }
    overlayAt_ = picture.isNull() ? QRect() : QRect(x, y, picture.width(), picture.height());
    changed_.add(overlayAt_ & image_.rect());
}

void ImageSurface::shareOverlay(const Pixels& picture) {
    overlaySource_ = picture;
    overlay_ = picture;
    overlayRows_ = nullptr;
    if (picture.isNull()) return;
    const size_t width = size_t(picture.width());
    const size_t bytes = width * size_t(picture.height()) * sizeof(uint32_t);
    if (bytes > overlayBytes_) {
        overlayShared_ = SharedRows::make(bytes);
        overlayBytes_ = overlayShared_ ? bytes : 0;
    }
    if (!overlayShared_) return;
    beforeWriting();
    uint32_t* rows = overlayShared_->data();
    for (int row = 0; row < picture.height(); ++row)
        std::memcpy(rows + row * width, picture.row(row), width * sizeof(uint32_t));
    overlayRows_ = rows;
    overlay_ = Pixels(picture.size(), rows, std::ptrdiff_t(width), overlayShared_);
}

void ImageSurface::paint(QPainter& painter, const QRect& rect) const {
    const QRect above = overlayAt_ & rect;
    if (above.isEmpty()) {
        painter.drawImage(rect.topLeft(), image_, rect);
        return;
    }
    for (const PixelRect& part : subtracted({rect.x(), rect.y(), rect.width(), rect.height()},
                                            {above.x(), above.y(), above.width(), above.height()})) {
        const QRect beneath(part.x, part.y, part.width, part.height);
        painter.drawImage(beneath.topLeft(), image_, beneath);
    }
    // The overlay's rows as they are, not copied.
    const QImage overlay(reinterpret_cast<const uchar*>(overlay_.row(0)), overlay_.width(), overlay_.height(),
                         qsizetype(overlay_.stride()) * qsizetype(sizeof(QRgb)), QImage::Format_RGB32);
    painter.drawImage(above.topLeft(), overlay, above.translated(-overlayAt_.topLeft()));
}

void ImageSurface::copyShown(const QRect& rect, uint32_t* to, int stride) const {
    const size_t rowBytes = size_t(rect.width()) * sizeof(QRgb);
    for (int row = rect.top(); row <= rect.bottom(); ++row)
        std::memcpy(to + qsizetype(row - rect.top()) * stride, pixelRow(row) + rect.x(), rowBytes);
    const QRect above = overlayAt_ & rect;
    const size_t aboveBytes = size_t(above.width()) * sizeof(QRgb);
    for (int row = above.top(); row <= above.bottom(); ++row)
        std::memcpy(to + qsizetype(row - rect.top()) * stride + (above.x() - rect.x()),
                    overlay_.row(row - overlayAt_.y()) + (above.x() - overlayAt_.x()), aboveBytes);
}

QImage ImageSurface::shown() const {
    QImage picture(image_.size(), image_.format());
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    paint(painter, picture.rect());
    return picture;
}

void ImageSurface::present() {
    fillPendingClear();
    if (changed_.empty()) return;
    if (present_) present_(changed_.rects());
    changed_.reset();
    readerPending_ = bool(awaitReader_);
}

void ImageSurface::fill(const QRect& rect) {
    for (int row = rect.top(); row <= rect.bottom(); ++row) {
        QRgb* line = pixelRow(row) + rect.x();
        std::fill(line, line + rect.width(), background_);
    }
}

}  // namespace skyfolio
