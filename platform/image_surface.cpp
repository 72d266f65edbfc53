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
// The rows a compositor shows, those it has not let go of yet, and one to
// draw in.
constexpr size_t kMostCopies = 3;
// A tick's copies and fills, recorded while the rows it draws in are behind;
// a tick that makes more brings them up to date then.
constexpr size_t kMostWritten = 64;

// Rows of exactly the image's width, as an X server takes a Z pixmap of 32
// bits a pixel.
QImage imageOver(const SharedRows* shared, QSize size) {
    if (!shared) return QImage(size, QImage::Format_RGB32);
    return QImage(reinterpret_cast<uchar*>(shared->data()), size.width(), size.height(),
                  qsizetype(size.width()) * qsizetype(sizeof(QRgb)), QImage::Format_RGB32);
}

}  // namespace

ImageSurface::ImageSurface(QSize size, PresentFunction present, std::optional<Sharing> sharing)
    : background_(QColor(Qt::black).rgb()),
      present_(std::move(present)),
      drawn_(kDrawnRectangles),
      changed_(kPresentedRectangles) {
    if (sharing && !size.isEmpty()) {
        sharing_ = std::move(*sharing);
        copies_.reserve(kMostCopies);
        written_.reserve(kMostWritten);
        if (addCopy(size)) copies_.front().stale.reset();
    }
    if (copies_.empty()) sharing_ = {};
    // A compositor may be shown the rows before the first present, as its
    // surface is first configured.
    readerPending_ = bool(sharing_.stillRead);
    // Never written through the picture, which would then copy rows shared
    // with a copy's: always through rows_.
    image_ = copies_.empty() ? QImage(size, QImage::Format_RGB32) : copies_.front().image;
    rows_ = reinterpret_cast<QRgb*>(const_cast<uchar*>(image_.constBits()));
    stride_ = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    fill(image_.rect());
}

bool ImageSurface::addCopy(QSize size) {
    std::shared_ptr<SharedRows> rows =
        SharedRows::make(size_t(size.width()) * size_t(size.height()) * sizeof(QRgb), sharing_.reader);
    if (!rows) return false;
    // Two presents' worth: the rows last shown were brought up to date a
    // frame ago, or two where the compositor called for none between.
    Copy copy{rows, imageOver(rows.get(), size), DirtyRectangles(2 * kPresentedRectangles)};
    copy.stale.add(QRect(QPoint(), size));
    copies_.push_back(std::move(copy));
    return true;
}

// The server holds the rows last presented: the changes go to rows it does
// not, brought up to date from the held ones at the present.
void ImageSurface::moveToUnreadRows() {
    size_t next = 0;
    while (next < copies_.size() && (next == current_ || sharing_.stillRead(*copies_[next].rows))) ++next;
    // A compositor holds the buffer it shows, and the last one until it has
    // taken the next: one that holds on to more gets its rows drawn over
    // rather than ever more of them.
    if (next == copies_.size() && (copies_.size() == kMostCopies || !addCopy(image_.size()))) return;
    behind_ = current_;
    current_ = next;
    image_ = copies_[next].image;
    rows_ = copies_[next].rows->data();
}

void ImageSurface::wrote(const QRect& rect) {
    if (behind_ == kCaughtUp) return;
    written_.push_back(rect);
    if (written_.size() == kMostWritten) catchUp();
}

// What changed since the rows were last written, but where the tick drew:
// drawn over, it needs no copy. The rows held are only read.
void ImageSurface::catchUp() {
    if (behind_ == kCaughtUp) return;
    Copy& to = copies_[current_];
    for (const QRect& rect : to.stale.rects()) copyUnwritten(rect, 0, copies_[behind_].rows->data());
    to.stale.reset();
    written_.clear();
    behind_ = kCaughtUp;
}

void ImageSurface::copyUnwritten(const QRect& rect, size_t firstWritten, const QRgb* from) {
    for (size_t index = firstWritten; index < written_.size(); ++index) {
        const QRect& drawn = written_[index];
        if (!drawn.intersects(rect)) continue;
        for (const PixelRect& part : subtracted({rect.x(), rect.y(), rect.width(), rect.height()},
                                                {drawn.x(), drawn.y(), drawn.width(), drawn.height()}))
            copyUnwritten(QRect(part.x, part.y, part.width, part.height), index + 1, from);
        return;
    }
    const size_t bytes = size_t(rect.width()) * sizeof(QRgb);
    for (int row = rect.top(); row <= rect.bottom(); ++row)
        std::memcpy(pixelRow(row) + rect.x(), from + row * stride_ + rect.x(), bytes);
}

void ImageSurface::setBackground(uint32_t colourValue) {
    beforeWriting();
    pendingClear_.hold({});
    background_ = pixelOfColourValue(colourValue);
    fill(image_.rect());
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
    wrote(target);
    drawn_.add(target);
    changed_.add(target);
}

void ImageSurface::fillRows(const PixelRect& rect, const RowFill& fill) {
    const QRect target(rect.x, rect.y, rect.width, rect.height);
    if (target.isEmpty() || !image_.rect().contains(target)) return;
    beforeWriting();
    for (int y = 0; y < rect.height; ++y) fill(y, pixelRow(rect.y + y) + rect.x);
    wrote(target);
    drawn_.add(target);
    changed_.add(target);
}

void ImageSurface::setOverlay(const Pixels& picture, int x, int y) {
    if (!sharing_.overlayApart) changed_.add(overlayAt_ & image_.rect());
    const uint32_t* shownRows = overlay_.row(0);
    if (copies_.empty()) {
        overlay_ = picture;
    } else if (picture.row(0) != overlaySource_.row(0) || picture.size() != overlaySource_.size()) {
        shareOverlay(picture);
        shownRows = nullptr;
    }
    const QRect at = picture.isNull() ? QRect() : QRect(x, y, picture.width(), picture.height());
    overlayMoved_ = overlayMoved_ || at != overlayAt_ || overlay_.row(0) != shownRows;
    overlayAt_ = at;
    if (!sharing_.overlayApart) changed_.add(overlayAt_ & image_.rect());
}

void ImageSurface::shareOverlay(const Pixels& picture) {
    overlaySource_ = picture;
    overlay_ = picture;
    overlayRows_ = nullptr;
    // A compositor reads the rows it was given until it lets go of them, and
    // learns of new pixels only through a new buffer: each picture gets rows
    // of its own, and the last one's go first, not to be held beside them.
    if (sharing_.stillRead) {
        overlayShared_.reset();
        overlayBytes_ = 0;
    }
    if (picture.isNull()) return;
    const size_t width = size_t(picture.width());
    const size_t bytes = width * size_t(picture.height()) * sizeof(uint32_t);
    if (bytes > overlayBytes_) {
        overlayShared_ = SharedRows::make(bytes, sharing_.reader);
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
    catchUp();
    if (changed_.empty() && !overlayMoved_) return;
    for (size_t other = 0; other < copies_.size(); ++other)
        if (other != current_)
            for (const QRect& rect : changed_.rects()) copies_[other].stale.add(rect);
    if (present_) present_(changed_.rects());
    changed_.reset();
    overlayMoved_ = false;
    readerPending_ = !copies_.empty();
}

void ImageSurface::fill(const QRect& rect) {
    for (int row = rect.top(); row <= rect.bottom(); ++row) {
        QRgb* line = pixelRow(row) + rect.x();
        std::fill(line, line + rect.width(), background_);
    }
    wrote(rect);
}

}  // namespace skyfolio
