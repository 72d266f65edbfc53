#pragma once

#include <QRgb>

namespace skyfolio {

// Where a decoder hands a picture over row by row, top to bottom, so that
// the rows can be scaled or written as they come and the whole picture
// never needs to be in memory.
class RowSink {
public:
    virtual ~RowSink() = default;
    virtual void addRow(const QRgb* row) = 0;
};

}  // namespace skyfolio
