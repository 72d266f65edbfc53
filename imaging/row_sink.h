#pragma once

#include <cstdint>

namespace skyfolio {

// The order in which a decoder hands over a picture's rows: most bitmap
// files store the bottom row first.
enum class RowOrder { TopDown, BottomUp };

// Where a decoder hands a picture over row by row, in one order, so that
// the rows can be scaled or written as they come and the whole picture
// never needs to be in memory. Pixels are 0xffRRGGBB.
class RowSink {
public:
    virtual ~RowSink() = default;
    virtual void addRow(const uint32_t* row) = 0;
};

}  // namespace skyfolio
