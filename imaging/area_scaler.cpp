#include "imaging/area_scaler.h"

#include <algorithm>
#include <cstdint>

namespace skyfolio {
namespace {

constexpr double kNearlyEnough = 0.9;

}  // namespace

bool scalesWellByArea(PictureSize from, PictureSize to) {
    return from.width >= kNearlyEnough * to.width && from.height >= kNearlyEnough * to.height;
}

RowsAtSize::RowsAtSize(PictureSize from, PictureSize to, RowSink& out) : target_(&out) {
    if (from != to) target_ = &scaler_.emplace(from, to, out);
}

AreaScaler::AreaScaler(PictureSize from, PictureSize to, RowSink& out) : from_(from), to_(to), out_(out) {
    if (from.width <= 0 || from.height <= 0 || to.width <= 0 || to.height <= 0) return;
    const long long inWidth = from.width, outWidth = to.width;
    columns_.reserve(size_t(outWidth));
    for (long long x = 0; x < outWidth; ++x) {
        const long long start = x * inWidth, end = start + inWidth;
        const int first = int(start / outWidth), last = int((end - 1) / outWidth);
        const float firstWeight = float(std::min(end, (first + 1) * outWidth) - start);
        const float lastWeight = float(end - last * outWidth);
        columns_.push_back({first, last, firstWeight, lastWeight});
    }
    rowSums_.resize(size_t(outWidth) * 3);
    sums_.assign(size_t(outWidth) * 3, 0.f);
    finished_.resize(size_t(outWidth));
}

void AreaScaler::addRow(const uint32_t* row) {
    if (columns_.empty() || rowsIn_ == from_.height) return;
    const float whole = float(to_.width);
    float* sums = rowSums_.data();
    for (const Columns& c : columns_) {
        float b = 0, g = 0, r = 0;
        const auto add = [&](uint32_t p, float weight) {
            b += weight * float(blueOf(p));
            g += weight * float(greenOf(p));
            r += weight * float(redOf(p));
        };
        if (c.first == c.last) {
            add(row[c.first], float(from_.width));
        } else {
            add(row[c.first], c.firstWeight);
            // Whole pixels between, summed exactly first: a large reduction
            // spends its time here.
            uint32_t wholeB = 0, wholeG = 0, wholeR = 0;
            for (int x = c.first + 1; x < c.last; ++x) {
                wholeB += uint32_t(blueOf(row[x]));
                wholeG += uint32_t(greenOf(row[x]));
                wholeR += uint32_t(redOf(row[x]));
            }
            b += whole * float(wholeB);
            g += whole * float(wholeG);
            r += whole * float(wholeR);
            add(row[c.last], c.lastWeight);
        }
        *sums++ = b;
        *sums++ = g;
        *sums++ = r;
    }

    // Down the picture the same scale: an input row is `to` high, an output
    // row `from` high; this row may finish one output row and start the next.
    long long top = (long long)rowsIn_ * to_.height;
    const long long bottom = top + to_.height;
    ++rowsIn_;
    while (top < bottom && rowsOut_ < to_.height) {
        const long long rowEnd = (long long)(rowsOut_ + 1) * from_.height;
        const long long taken = std::min(bottom, rowEnd) - top;
        const float weight = float(taken);
        for (size_t i = 0; i < sums_.size(); ++i) sums_[i] += weight * rowSums_[i];
        top += taken;
        if (top == rowEnd) emitRow();
    }
}

void AreaScaler::emitRow() {
    const float scale = float(1.0 / (double(from_.width) * double(from_.height)));
    const auto channel = [scale](float sum) { return std::clamp(int(sum * scale + 0.5f), 0, 255); };
    for (size_t x = 0; x < finished_.size(); ++x) {
        const float* s = &sums_[x * 3];
        finished_[x] = rgb32(channel(s[2]), channel(s[1]), channel(s[0]));
    }
    std::fill(sums_.begin(), sums_.end(), 0.f);
    ++rowsOut_;
    out_.addRow(finished_.data());
}

}  // namespace skyfolio
