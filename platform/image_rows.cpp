#include "platform/image_rows.h"

#include <cstring>

namespace skyfolio {
namespace {

// The ceiling Qt puts on any picture it decodes.
constexpr qint64 kMaxPictureBytes = 256LL * 1024 * 1024;

}  // namespace

ImageRows::ImageRows(QSize size) {
    if (size.isEmpty() || qint64(size.width()) * size.height() * 4 > kMaxPictureBytes) return;
    image_ = QImage(size, QImage::Format_RGB32);
    if (!image_.isNull()) image_.fill(Qt::black);
}

void ImageRows::addRow(const QRgb* row) {
    if (next_ >= image_.height()) return;
    std::memcpy(image_.scanLine(next_++), row, size_t(image_.width()) * sizeof(QRgb));
}

}  // namespace skyfolio
