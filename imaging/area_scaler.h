#pragma once

#include "imaging/pixels.h"
#include "imaging/row_sink.h"

#include <vector>

namespace skyfolio {

// Resizes a picture that arrives row by row and hands the resized rows on as
// they are finished. Each output pixel is the mean of the input area it
// covers, every input pixel weighted by how much of it lies inside, so a
// photo shrinks without aliasing and a slight enlargement stays smooth. Only
// one row of sums is kept: a photo of any size is resized in a few rows.
class AreaScaler : public RowSink {
public:
    // `out` outlives the scaler.
    AreaScaler(PictureSize from, PictureSize to, RowSink& out);

    // Rows come top to bottom, `from.width()` pixels each; extra rows are ignored.
    void addRow(const uint32_t* row) override;

private:
    // The input columns under one output column, on a common scale where an
    // input pixel is `to` wide and an output pixel `from` wide.
    struct Columns {
        int first;
        int last;
        float firstWeight;
        float lastWeight;
    };

    void emitRow();

    PictureSize from_;
    PictureSize to_;
    RowSink& out_;
    std::vector<Columns> columns_;
    std::vector<float> rowSums_;  // one input row resized across, 3 channels
    std::vector<float> sums_;     // the output row being gathered, 3 channels
    std::vector<uint32_t> finished_;
    int rowsIn_ = 0;
    int rowsOut_ = 0;
};

}  // namespace skyfolio
