#include "bench/photo_maker.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace skyfolio::bench {
namespace {

uint32_t mix(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// Smooth random values on a grid of `cell` pixels, interpolated between grid
// points; only the two grid rows around the current row are kept.
class Noise {
public:
    Noise(int width, int cell, float amplitude, uint32_t seed)
        : cell_(cell), amplitude_(amplitude), seed_(seed), above_(size_t(width / cell + 2)), below_(above_.size()) {}

    // Adds this layer's values along row `y` to `row`.
    void add(int y, std::vector<float>& row) {
        const int gridRow = y / cell_;
        if (gridRow != gridRow_) {
            gridRow_ = gridRow;
            fill(above_, gridRow);
            fill(below_, gridRow + 1);
        }
        const float down = float(y % cell_) / float(cell_), step = 1.f / float(cell_);
        for (size_t g = 0, x = 0; x < row.size(); ++g) {
            // Along one cell the value changes by the same amount each pixel.
            const float left = above_[g] + (below_[g] - above_[g]) * down;
            const float right = above_[g + 1] + (below_[g + 1] - above_[g + 1]) * down;
            const float change = (right - left) * step;
            float value = left;
            for (int i = 0; i < cell_ && x < row.size(); ++i, ++x, value += change) row[x] += amplitude_ * value;
        }
    }

private:
    void fill(std::vector<float>& values, int gridRow) const {
        for (size_t g = 0; g < values.size(); ++g)
            values[g] = float(mix(seed_ ^ mix(uint32_t(gridRow) * 0x9E3779B9U ^ uint32_t(g)))) / 2147483648.f - 1.f;
    }

    int cell_;
    float amplitude_;
    uint32_t seed_;
    int gridRow_ = -1;
    std::vector<float> above_;
    std::vector<float> below_;
};

struct Shape {
    int left, top, right, bottom;
    float lift;
};

struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool makePhoto(const std::string& path, const PhotoKind& kind) {
    const std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    const int w = kind.width, h = kind.height;
    const uint32_t seed = mix(kind.seed);

    // Brightness: scenery, objects, texture, grain; colour: broad washes.
    std::vector<Noise> light, blue, red;
    const int scale = std::max(1, std::min(w, h) / 3000);
    for (auto [cell, amplitude] : {std::pair{700, 50.f}, {220, 30.f}, {60, 20.f}, {14, 14.f}, {4, 10.f}, {2, 6.f}})
        light.emplace_back(w, std::max(2, cell * scale), amplitude, seed + uint32_t(cell));
    for (auto [cell, amplitude] : {std::pair{900, 30.f}, {250, 12.f}}) {
        blue.emplace_back(w, cell * scale, amplitude, seed * 3 + uint32_t(cell));
        red.emplace_back(w, cell * scale, amplitude, seed * 7 + uint32_t(cell));
    }
    std::vector<Shape> shapes;
    for (uint32_t i = 0; i < 120; ++i) {
        const int x = int(mix(seed + i * 4) % uint32_t(w)), y = int(mix(seed + i * 4 + 1) % uint32_t(h));
        const int sw = 20 + int(mix(seed + i * 4 + 2) % uint32_t(w / 6 + 1));
        const int sh = 20 + int(mix(seed + i * 4 + 3) % uint32_t(h / 6 + 1));
        shapes.push_back({x, y, std::min(w, x + sw), std::min(h, y + sh), float(int(mix(seed ^ i) % 81) - 40)});
    }

    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = JDIMENSION(w);
    info.image_height = JDIMENSION(h);
    info.input_components = 3;
    info.in_color_space = JCS_YCbCr;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kind.quality, TRUE);
    if (kind.progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);

    const size_t width = static_cast<size_t>(w);
    std::vector<float> y(width), cb(width), cr(width), lift(width + 1);
    std::vector<JSAMPLE> row(width * 3);
    uint32_t grain = seed | 1;
    for (int line = 0; line < h; ++line) {
        std::fill(y.begin(), y.end(), 128.f);
        std::fill(cb.begin(), cb.end(), 128.f);
        std::fill(cr.begin(), cr.end(), 128.f);
        std::fill(lift.begin(), lift.end(), 0.f);
        for (Noise& n : light) n.add(line, y);
        for (Noise& n : blue) n.add(line, cb);
        for (Noise& n : red) n.add(line, cr);
        for (const Shape& s : shapes) {
            if (line < s.top || line >= s.bottom) continue;
            lift[size_t(s.left)] += s.lift;
            lift[size_t(s.right)] -= s.lift;
        }
        float raised = 0;
        for (size_t x = 0; x < width; ++x) {
            raised += lift[x];
            grain ^= grain << 13;
            grain ^= grain >> 17;
            grain ^= grain << 5;
            const float sensor = float(int(grain & 15) + int((grain >> 4) & 15) - 15) * 0.7f;
            const auto byte = [](float v) { return JSAMPLE(std::clamp(v, 0.f, 255.f)); };
            row[3 * x] = byte(y[x] + raised + sensor);
            row[3 * x + 1] = byte(cb[x]);
            row[3 * x + 2] = byte(cr[x]);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::ferror(file.get()) == 0;
}

bool makeBitmap(const std::string& path, int width, int height) {
    const std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    const uint32_t rowBytes = (uint32_t(width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * uint32_t(height);
    unsigned char header[54] = {'B', 'M'};
    const auto put = [&](int at, uint32_t value) {
        for (int i = 0; i < 4; ++i) header[at + i] = static_cast<unsigned char>(value >> (8 * i));
    };
    put(2, 54 + pixelBytes);
    put(10, 54);
    put(14, 40);
    put(18, uint32_t(width));
    put(22, uint32_t(height));
    header[26] = 1;
    header[28] = 24;
    put(34, pixelBytes);
    std::fwrite(header, 1, sizeof header, file.get());
    std::vector<unsigned char> row(rowBytes);
    uint32_t grain = 0x9E3779B9U;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            grain ^= grain << 13;
            grain ^= grain >> 17;
            grain ^= grain << 5;
            const int noise = int(grain & 31) - 16;
            row[size_t(x) * 3] = JSAMPLE(std::clamp(40 + 180 * y / height + noise, 0, 255));
            row[size_t(x) * 3 + 1] = JSAMPLE(std::clamp(60 + 120 * x / width + noise, 0, 255));
            row[size_t(x) * 3 + 2] = JSAMPLE(std::clamp(200 - 150 * (x + y) / (width + height) + noise, 0, 255));
        }
        std::fwrite(row.data(), 1, row.size(), file.get());
    }
    return std::ferror(file.get()) == 0;
}

PhotoList makePhotoList(const std::string& folder) {
    constexpr int kPhotos = 20;
    constexpr int kProgressiveEvery = 4;
    PhotoList list;
    for (int i = 0; i < kPhotos; ++i) {
        const bool progressive = i % kProgressiveEvery == kProgressiveEvery - 1;
        const std::string path = folder + "/photo " + std::to_string(i) + ".jpg";
        if (!makePhoto(path, {4000, 3000, progressive, unsigned(i + 1)})) std::abort();
        list.all.push_back(path);
        (progressive ? list.progressive : list.baseline).push_back(path);
    }
    return list;
}

std::vector<std::string> photosInFormat(const PhotoList& list, test::FileFormat format, int count,
                                        const std::string& folder) {
    // Phones keep a thumbnail of about this size in their HEIC photos.
    constexpr int kPhoneThumbnail = 320;
    std::vector<std::string> photos;
    for (int i = 0; i < count && i < int(list.all.size()); ++i) {
        const QImage photo(QString::fromStdString(list.all[size_t(i)]));
        if (photo.isNull()) std::abort();
        const std::string path = folder + "/photo " + std::to_string(i) + "." + test::suffixOf(format);
        test::writeInFormat(path, photo, format, {.thumbnail = kPhoneThumbnail});
        photos.push_back(path);
    }
    return photos;
}

}  // namespace skyfolio::bench
