#pragma once

#include "imaging/row_sink.h"

#include <QImage>

namespace skyfolio {

// Gathers the rows of a picture into an RGB32 image, in the order they come.
class ImageRows : public RowSink {
public:
    // Null when the picture is larger than we hold in memory.
    explicit ImageRows(QSize size, RowOrder order = RowOrder::TopDown);

    bool isNull() const { return image_.isNull(); }
    // Rows beyond the picture's height are ignored.
    void addRow(const uint32_t* row) override;
    // The picture; rows never added stay black.
    QImage take() { return std::move(image_); }

private:
    QImage image_;
    RowOrder order_;
    int next_ = 0;
};

}  // namespace skyfolio
