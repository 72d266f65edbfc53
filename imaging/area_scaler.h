#pragma once

#include "imaging/pixels.h"
#include "imaging/row_sink.h"

#include <optional>
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

    // Rows come in order from one edge, top or bottom, `from.width` pixels
    // each, and leave in the same order; extra rows are ignored.
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

// The rows of a picture of `from` handed on at `to`: as they come when the
// sizes match, through an area scaler otherwise.
class RowsAtSize : public RowSink {
public:
    RowsAtSize(PictureSize from, PictureSize to, RowSink& out);
    void addRow(const uint32_t* row) override { target_->addRow(row); }

private:
    std::optional<AreaScaler> scaler_;
    RowSink* target_;
};

// Whether the area scaler resizes `from` to `to` as well as smooth scaling
// would: when it shrinks, or enlarges by no more than a ninth, where the
// enlargement does not show. A decoder that can shrink cheaply aims for the
// smallest picture that still passes (a photo is usually wanted at 0.13 of
// its size, just above 1/8).
bool scalesWellByArea(PictureSize from, PictureSize to);

}  // namespace skyfolio
