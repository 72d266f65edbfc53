#include "imaging/image_rows.h"

#include "imaging/picture_limits.h"

#include <cstring>

namespace skyfolio {

ImageRows::ImageRows(QSize size, RowOrder order) : order_(order) {
    if (size.isEmpty() || qint64(size.width()) * size.height() * 4 > kMaxPictureBytes) return;
    image_ = QImage(size, QImage::Format_RGB32);
    if (!image_.isNull()) image_.fill(Qt::black);
}

void ImageRows::addRow(const uint32_t* row) {
    if (next_ >= image_.height()) return;
    const int y = order_ == RowOrder::TopDown ? next_ : image_.height() - 1 - next_;
    ++next_;
    std::memcpy(image_.scanLine(y), row, size_t(image_.width()) * sizeof(uint32_t));
}

}  // namespace skyfolio
