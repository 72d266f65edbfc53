#pragma once

#include <cstdint>

namespace skyfolio {

// Where a decoder hands a picture over row by row, top to bottom, so that
// the rows can be scaled or written as they come and the whole picture
// never needs to be in memory. Pixels are 0xffRRGGBB.
class RowSink {
public:
    virtual ~RowSink() = default;
    virtual void addRow(const uint32_t* row) = 0;
};

}  // namespace skyfolio
