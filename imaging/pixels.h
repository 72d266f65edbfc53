#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace skyfolio {

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// A rectangle of pixels, from its top-left corner.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    int64_t area() const { return isEmpty() ? 0 : int64_t(width) * height; }
    bool operator==(const PixelRect&) const = default;
};

// What two rectangles share; empty when they do not meet.
PixelRect intersected(const PixelRect& a, const PixelRect& b);

// What is left of `a` once `b` is taken away: up to four rectangles, full
// width above and below `b`, then left and right of it.
struct RectParts {
    PixelRect parts[4];
    int count = 0;
    const PixelRect* begin() const { return parts; }
    const PixelRect* end() const { return parts + count; }
};
RectParts subtracted(const PixelRect& a, const PixelRect& b);

// One pixel as 0xffRRGGBB, the layout of Qt's RGB32 images.
inline constexpr uint32_t rgb32(int red, int green, int blue) {
    return 0xFF000000u | uint32_t(red) << 16 | uint32_t(green) << 8 | uint32_t(blue);
}
inline constexpr int redOf(uint32_t pixel) { return int(pixel >> 16 & 0xFF); }
inline constexpr int greenOf(uint32_t pixel) { return int(pixel >> 8 & 0xFF); }
inline constexpr int blueOf(uint32_t pixel) { return int(pixel & 0xFF); }

// A colour value of the settings, 0x00BBGGRR, as a pixel. The high byte
// would name a system colour; it is dropped.
inline constexpr uint32_t pixelOfColourValue(uint32_t bgr) {
    return rgb32(int(bgr & 0xFF), int(bgr >> 8 & 0xFF), int(bgr >> 16 & 0xFF));
}

// A picture in memory as the saver draws it: rows of 32-bit pixels, 0xffRRGGBB.
// A decoded picture lends its rows without a copy; whoever made them keeps
// them alive for as long as any Pixels shows them. Copies share the rows,
// which nothing changes once made.
class Pixels {
public:
    Pixels() = default;
    // Rows `stride` pixels apart from `firstRow`, kept alive by `keeper`.
    Pixels(PictureSize size, const uint32_t* firstRow, std::ptrdiff_t stride, std::shared_ptr<const void> keeper);
    // Rows laid out one after another, `size.width` pixels each.
    Pixels(PictureSize size, std::vector<uint32_t> rows);

    bool isNull() const { return size_.width <= 0 || size_.height <= 0; }
    int width() const { return size_.width; }
    int height() const { return size_.height; }
    PictureSize size() const { return size_; }
    PixelRect rect() const { return {0, 0, size_.width, size_.height}; }
    const uint32_t* row(int y) const { return first_ + y * stride_; }
    // Pixels from one row to the next.
    std::ptrdiff_t stride() const { return stride_; }

private:
    PictureSize size_;
    const uint32_t* first_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    std::shared_ptr<const void> keeper_;
};

}  // namespace skyfolio
