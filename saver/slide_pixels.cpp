#include "saver/slide_pixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace skyfolio {
namespace {

// How far the small decode is blurred, in its own pixels, and how dark it
// ends up (out of 256): enough that the photo in front stands out.
constexpr int kBlurRadius = 2;
constexpr int kBlurPasses = 3;
constexpr uint32_t kFillBrightness = 120;

// Three box blurs along rows then columns come close to a Gaussian blur.
void boxBlur(std::vector<uint32_t>& pixels, int width, int height) {
    std::vector<uint32_t> line(size_t(std::max(width, height)));
    const auto pass = [&](uint32_t* first, int count, std::ptrdiff_t step) {
        for (int i = 0; i < count; ++i) line[size_t(i)] = first[i * step];
        for (int i = 0; i < count; ++i) {
            int sum[3] = {}, taken = 0;
            for (int k = std::max(0, i - kBlurRadius); k <= std::min(count - 1, i + kBlurRadius); ++k, ++taken) {
                sum[0] += redOf(line[size_t(k)]);
                sum[1] += greenOf(line[size_t(k)]);
                sum[2] += blueOf(line[size_t(k)]);
            }
            first[i * step] = rgb32(sum[0] / taken, sum[1] / taken, sum[2] / taken);
        }
    };
    for (int round = 0; round < kBlurPasses; ++round) {
        for (int y = 0; y < height; ++y) pass(&pixels[size_t(y) * size_t(width)], width, 1);
        for (int x = 0; x < width; ++x) pass(&pixels[size_t(x)], height, width);
    }
}

uint32_t darkened(uint32_t pixel) {
    const uint32_t rb = ((pixel & 0x00FF00FFu) * kFillBrightness >> 8) & 0x00FF00FFu;
    const uint32_t g = ((pixel & 0x0000FF00u) * kFillBrightness >> 8) & 0x0000FF00u;
    return 0xFF000000u | rb | g;
}

uint32_t mixed(uint32_t a, uint32_t b, uint32_t weight) {
    const uint32_t rb = ((a & 0x00FF00FFu) * (256 - weight) + (b & 0x00FF00FFu) * weight) >> 8 & 0x00FF00FFu;
    const uint32_t g = ((a & 0x0000FF00u) * (256 - weight) + (b & 0x0000FF00u) * weight) >> 8 & 0x0000FF00u;
    return 0xFF000000u | rb | g;
}

}  // namespace

void drawBlurredFill(const Pixels& small, uint32_t* to, std::ptrdiff_t stride, const PixelRect& box) {
    if (small.isNull() || box.isEmpty()) return;
    const int w = small.width(), h = small.height();
    std::vector<uint32_t> blurred(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) blurred[size_t(y) * size_t(w) + size_t(x)] = darkened(small.row(y)[x]);
    boxBlur(blurred, w, h);

    // The part of the small picture with the box's proportions, stretched
    // over the box by bilinear steps in 16.16 fixed point.
    const double scale = std::min(double(w) / box.width, double(h) / box.height);
    const double fromX = (w - box.width * scale) / 2, fromY = (h - box.height * scale) / 2;
    const auto fixed = [](double v) { return int64_t(std::llround(v * 65536)); };
    std::vector<int64_t> columns(size_t(box.width));
    for (int x = 0; x < box.width; ++x)
        columns[size_t(x)] = std::clamp<int64_t>(fixed(fromX + (x + 0.5) * scale - 0.5), 0, fixed(w - 1));
    for (int y = 0; y < box.height; ++y) {
        const int64_t sy = std::clamp<int64_t>(fixed(fromY + (y + 0.5) * scale - 0.5), 0, fixed(h - 1));
        const int y0 = int(sy >> 16), y1 = std::min(h - 1, y0 + 1);
        const auto wy = uint32_t((sy >> 8) & 0xFF);
        const uint32_t* upper = &blurred[size_t(y0) * size_t(w)];
        const uint32_t* lower = &blurred[size_t(y1) * size_t(w)];
        uint32_t* out = to + (box.y + y) * stride + box.x;
        for (int x = 0; x < box.width; ++x) {
            const int64_t sx = columns[size_t(x)];
            const int x0 = int(sx >> 16), x1 = std::min(w - 1, x0 + 1);
            const auto wx = uint32_t((sx >> 8) & 0xFF);
            out[x] = mixed(mixed(upper[x0], upper[x1], wx), mixed(lower[x0], lower[x1], wx), wy);
        }
    }
}

void copyPixels(const Pixels& picture, const PixelRect& part, uint32_t* to, std::ptrdiff_t stride, int x, int y) {
    for (int row = 0; row < part.height; ++row)
        std::memcpy(to + (y + row) * stride + x, picture.row(part.y + row) + part.x, size_t(part.width) * 4);
}

FramedCanvas::FramedCanvas(const Pixels& canvas, const Framing& framing, PictureSize screen)
    : canvas_(canvas), framing_(framing), scale_(framing.width / std::max(1, screen.width)) {
    straight_ = framing.x == 0 && framing.y == 0 && canvas.size() == screen && scale_ == 1;
    if (straight_ || canvas.isNull()) return;
    const auto place = [&](double from, int i, int last) {
        return std::clamp(int(from + (i + 0.5) * scale_), 0, last);
    };
    for (int x = 0; x < screen.width; ++x) {
        const int from = place(framing.x, x, canvas.width() - 1);
        if (!runs_.empty() && runs_.back().from + runs_.back().length == from)
            ++runs_.back().length;
        else
            runs_.push_back({from, x, 1});
    }
    rows_.resize(size_t(screen.height));
    for (int y = 0; y < screen.height; ++y) rows_[size_t(y)] = place(framing.y, y, canvas.height() - 1);
}

const uint32_t* FramedCanvas::row(int y, uint32_t* scratch) const {
    if (straight_) return canvas_.row(y);
    const uint32_t* from = canvas_.row(rows_[size_t(y)]);
    for (const Run& run : runs_) std::memcpy(scratch + run.to, from + run.from, size_t(run.length) * 4);
    return scratch;
}

PixelRect FramedCanvas::onScreen(const PixelRect& onCanvas) const {
    const auto at = [&](double canvasPixel, double from) { return int(std::lround((canvasPixel - from) / scale_)); };
    const int left = at(onCanvas.x, framing_.x), top = at(onCanvas.y, framing_.y);
    return {left, top, at(onCanvas.x + onCanvas.width, framing_.x) - left, at(onCanvas.y + onCanvas.height, framing_.y) - top};
}

// Byte by byte in 16-bit steps, which the compiler does many at a time; the
// alpha bytes, 255 both, stay 255.
void blendRow(const uint32_t* a, const uint32_t* b, uint32_t* out, int width, int weight) {
    const auto* __restrict from = reinterpret_cast<const uint8_t*>(a);
    const auto* __restrict to = reinterpret_cast<const uint8_t*>(b);
    auto* __restrict blended = reinterpret_cast<uint8_t*>(out);
    const auto toWeight = uint16_t(std::clamp(weight, 0, 256)), fromWeight = uint16_t(256 - toWeight);
    for (size_t i = 0, n = size_t(width) * 4; i < n; ++i)
        blended[i] = uint8_t((uint16_t(from[i] * fromWeight) + uint16_t(to[i] * toWeight)) >> 8);
}

void overlayRow(const uint32_t* over, uint32_t* row, int width) {
    for (int x = 0; x < width; ++x) {
        const uint32_t s = over[x];
        const int keep = 255 - int(s >> 24);
        if (keep == 255) continue;
        const uint32_t d = row[x];
        const auto channel = [&](int shift) { return (int(s >> shift & 0xFF) + int(d >> shift & 0xFF) * keep / 255); };
        row[x] = rgb32(std::min(255, channel(16)), std::min(255, channel(8)), std::min(255, channel(0)));
    }
}

}  // namespace skyfolio
