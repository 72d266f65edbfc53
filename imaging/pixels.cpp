#include "imaging/pixels.h"

#include <algorithm>

namespace skyfolio {

PixelRect intersected(const PixelRect& a, const PixelRect& b) {
    const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width), bottom = std::min(a.y + a.height, b.y + b.height);
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

RectParts subtracted(const PixelRect& a, const PixelRect& b) {
    RectParts result;
    const PixelRect common = intersected(a, b);
    if (common.isEmpty()) {
        if (!a.isEmpty()) result.parts[result.count++] = a;
        return result;
    }
    const auto add = [&](int x, int y, int width, int height) {
        if (width > 0 && height > 0) result.parts[result.count++] = {x, y, width, height};
    };
    add(a.x, a.y, a.width, common.y - a.y);
    add(a.x, common.y + common.height, a.width, a.y + a.height - (common.y + common.height));
    add(a.x, common.y, common.x - a.x, common.height);
    add(common.x + common.width, common.y, a.x + a.width - (common.x + common.width), common.height);
    return result;
}

Pixels::Pixels(PictureSize size, const uint32_t* firstRow, std::ptrdiff_t stride, std::shared_ptr<const void> keeper)
    : size_(size), first_(firstRow), stride_(stride), keeper_(std::move(keeper)) {}

Pixels::Pixels(PictureSize size, std::vector<uint32_t> rows) : size_(size), stride_(size.width) {
    auto kept = std::make_shared<const std::vector<uint32_t>>(std::move(rows));
    first_ = kept->data();
    keeper_ = std::move(kept);
}

}  // namespace skyfolio
