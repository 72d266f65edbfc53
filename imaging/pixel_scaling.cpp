#include "imaging/pixel_scaling.h"

#include "imaging/area_scaler.h"

#include <algorithm>

namespace skyfolio {
namespace {

// Gathers the rows of a picture one after another.
class GatheredRows : public RowSink {
public:
    explicit GatheredRows(PictureSize size) : size_(size) { rows_.reserve(size_t(size.width) * size_t(size.height)); }
    void addRow(const uint32_t* row) override { rows_.insert(rows_.end(), row, row + size_.width); }
    Pixels take() { return Pixels(size_, std::move(rows_)); }

private:
    PictureSize size_;
    std::vector<uint32_t> rows_;
};

}  // namespace

Pixels scaledByArea(const Pixels& picture, PictureSize size) {
    if (size.width <= 0 || size.height <= 0 || picture.isNull()) return {};
    GatheredRows out(size);
    AreaScaler scaler(picture.size(), size, out);
    for (int y = 0; y < picture.height(); ++y) scaler.addRow(picture.row(y));
    return out.take();
}

}  // namespace skyfolio
