#include "imaging/image_rows.h"

#include "imaging/picture_limits.h"

#include <cstring>

namespace skyfolio {

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
