#include "imaging/jpeg_dc_decoder.h"

#include "imaging/picture_limits.h"
#include "imaging/pixels.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace skyfolio {
namespace {

enum Marker : int {
    kSof2 = 0xC2,  // progressive, Huffman-coded
    kDht = 0xC4,
    kRst0 = 0xD0,
    kRst7 = 0xD7,
    kSoi = 0xD8,
    kEoi = 0xD9,
    kSos = 0xDA,
    kDqt = 0xDB,
    kDri = 0xDD,
    kApp0 = 0xE0,
    kApp14 = 0xEE,
    kApp15 = 0xEF,
    kCom = 0xFE,
};

// The standard's limit on the blocks of one MCU.
constexpr int kMaxBlocksInMcu = 10;
constexpr int kMaxPointTransform = 13;
constexpr int kMaxCategory = 15;
// One DC value per block: 64 MB is a 23000 x 23000 photo in full colour.
constexpr size_t kMaxDcBytes = 64u * 1024 * 1024;

int divideUp(int a, int b) { return (a + b - 1) / b; }

int clampByte(int64_t value) { return int(std::clamp<int64_t>(value, 0, 255)); }

// Where an output pixel takes a component's value: between two of its
// samples, with the second one's share in 1/256.
struct Tap {
    int first;
    int second;
    int weight;
};
constexpr int kTapBits = 8;
constexpr int kTapWeight = 1 << kTapBits;
constexpr int kHalfTapWeight = kTapWeight / 2;

// A component sampled at 1/`ratio` of the picture, `samples` wide, is spread
// smoothly over `outputs` pixels: the value of a pixel is interpolated
// between the samples whose centres lie either side of its own.
std::vector<Tap> taps(int outputs, int ratio, int samples) {
    std::vector<Tap> result(static_cast<size_t>(outputs));
    for (int x = 0; x < outputs; ++x) {
        // The pixel's centre in samples, less half a sample, in 1/256.
        const int at = std::max(0, (2 * x + 1 - ratio) * kHalfTapWeight / ratio);
        const int first = std::min(at >> kTapBits, samples - 1);
        result[size_t(x)] = {first, std::min(first + 1, samples - 1), at & (kTapWeight - 1)};
    }
    return result;
}

// `a` and `b` mixed with `b`'s share in 1/256, scaled up by 256.
int blend(int a, int b, int weight) { return a * kTapWeight + (b - a) * weight; }

// The JFIF conversion, in 16-bit fixed point.
uint32_t yCbCrToRgb(int y, int cb, int cr) {
    constexpr int kOne = 1 << 16, kHalf = 1 << 15;
    constexpr int kCrToR = int(1.402 * kOne + 0.5);
    constexpr int kCbToG = int(0.34414 * kOne + 0.5);
    constexpr int kCrToG = int(0.71414 * kOne + 0.5);
    constexpr int kCbToB = int(1.772 * kOne + 0.5);
    cb -= 128;
    cr -= 128;
    return rgb32(clampByte(y + ((kCrToR * cr + kHalf) >> 16)), clampByte(y + ((kHalf - kCbToG * cb - kCrToG * cr) >> 16)),
                clampByte(y + ((kCbToB * cb + kHalf) >> 16)));
}

}  // namespace

bool JpegDcDecoder::HuffmanTable::build(const std::array<int, 17>& counts, int total) {
    defined = false;
    maxCode.fill(-1);
    int code = 0, index = 0;
    for (int length = 1; length <= 16 && index < total; ++length) {
        const int n = counts[size_t(length)];
        offset[size_t(length)] = index - code;
        if (n > 0) maxCode[size_t(length)] = code + n - 1;
        code += n;
        index += n;
        if (code >= 1 << length) return false;  // a code of all ones is never used
        code <<= 1;
    }
    defined = true;
    return true;
}

JpegDcDecoder::JpegDcDecoder(BufferedInput& input) : input_(input), bits_(input) {}

QSize JpegDcDecoder::size() const { return {divideUp(width_, 8), divideUp(height_, 8)}; }

bool JpegDcDecoder::readHeader() {
    if (input_.next() != 0xFF || input_.next() != kSoi) return false;
    for (;;) {
        const int marker = nextMarker();
        const int length = readWord() - 2;
        if (marker < 0 || length < 0) return false;
        if (marker == kSof2) return readFrame(length);
        if (!readSegment(marker, length)) return false;
    }
}

bool JpegDcDecoder::decode(const std::function<void(const uint32_t* row)>& takeRow) {
    for (;;) {
        const int marker = nextMarker();
        if (marker == kEoi || marker < 0) {
            // A file cut short after its DC scans still has every block.
            if (!hasAllDc() || storedAsRgb()) return false;
            emitRows(takeRow);
            return true;
        }
        const int length = readWord() - 2;
        if (length < 0) return false;
        const bool read = marker == kSos ? ++scans_ <= kMaxJpegScans && readScan(length) : readSegment(marker, length);
        if (!read) return false;
    }
}

// The marker that starts the next segment; -1 at the end of the file or
// where something else stands.
int JpegDcDecoder::nextMarker() {
    if (pendingMarker_ != 0) return std::exchange(pendingMarker_, 0);
    if (input_.next() != 0xFF) return -1;
    int marker = input_.next();
    while (marker == 0xFF) marker = input_.next();  // fill bytes
    return marker > 0 ? marker : -1;
}

int JpegDcDecoder::readWord() {
    const int high = input_.next(), low = input_.next();
    return high < 0 || low < 0 ? -1 : high << 8 | low;
}

// Reads or skips one whole segment other than a frame or a scan; false for
// a segment this decoder leaves to libjpeg (another kind of frame, say).
bool JpegDcDecoder::readSegment(int marker, int length) {
    switch (marker) {
        case kDqt: return readQuantTables(length);
        case kDht: return readHuffmanTables(length);
        case kApp14: return readAdobe(length);
        case kDri:
            restartInterval_ = readWord();
            return length == 2 && restartInterval_ >= 0;
        default:
            if (marker != kCom && (marker < kApp0 || marker > kApp15)) return false;
            input_.skip(length);
            return true;
    }
}

// Only the DC entry of each table matters at 1/8 scale.
bool JpegDcDecoder::readQuantTables(int length) {
    while (length > 0) {
        const int kind = input_.next();
        const int precision = kind >> 4, table = kind & 15;
        if (kind < 0 || precision > 1 || table > 3) return false;
        const int bytes = 64 * (precision + 1);
        length -= 1 + bytes;
        const int dc = precision ? readWord() : input_.next();
        if (length < 0 || dc < 0) return false;
        quant_[size_t(table)] = dc;
        input_.skip(bytes - (precision + 1));
    }
    return length == 0;
}

bool JpegDcDecoder::readHuffmanTables(int length) {
    while (length > 0) {
        const int kind = input_.next();
        const int tableClass = kind >> 4, id = kind & 15;
        if (kind < 0 || tableClass > 1 || id > 3) return false;
        std::array<int, 17> counts{};
        int total = 0;
        for (size_t n = 1; n <= 16; ++n) {
            counts[n] = input_.next();
            if (counts[n] < 0) return false;
            total += counts[n];
        }
        length -= 17 + total;
        if (total > 256 || length < 0) return false;
        if (tableClass == 1) {  // AC tables serve the scans we skip
            input_.skip(total);
            continue;
        }
        HuffmanTable& table = dcTables_[size_t(id)];
        for (int i = 0; i < total; ++i) {
            const int value = input_.next();
            if (value < 0) return false;
            table.values[size_t(i)] = uint8_t(value);
        }
        if (!table.build(counts, total)) return false;
    }
    return length == 0;
}

// Adobe's marker says whether three components are RGB rather than YCbCr.
bool JpegDcDecoder::readAdobe(int length) {
    constexpr int kAdobeLength = 12;
    if (length < kAdobeLength) {
        input_.skip(length);
        return true;
    }
    std::array<uint8_t, kAdobeLength> adobe{};
    for (uint8_t& byte : adobe) {
        const int value = input_.next();
        if (value < 0) return false;
        byte = uint8_t(value);
    }
    if (std::memcmp(adobe.data(), "Adobe", 5) == 0) adobeRgb_ = adobe[11] == 0;
    input_.skip(length - kAdobeLength);
    return true;
}

bool JpegDcDecoder::readFrame(int length) {
    const int precision = input_.next();
    height_ = readWord();
    width_ = readWord();
    const int count = input_.next();
    // A height of 0 is given later by a DNL marker, which libjpeg handles.
    if (precision != 8 || height_ <= 0 || width_ <= 0 || (count != 1 && count != 3) || length != 6 + 3 * count)
        return false;
    components_.resize(size_t(count));
    for (Component& c : components_) {
        c.id = input_.next();
        const int sampling = input_.next();
        c.quantTable = input_.next();
        c.h = sampling >> 4;
        c.v = sampling & 15;
        if (c.id < 0 || sampling < 0 || c.quantTable < 0 || c.quantTable > 3 || c.h < 1 || c.h > 4 || c.v < 1 || c.v > 4)
            return false;
        for (const Component& other : components_)
            if (&other != &c && other.id == c.id) return false;
        maxH_ = std::max(maxH_, c.h);
        maxV_ = std::max(maxV_, c.v);
    }
    const int mcusWide = divideUp(width_, 8 * maxH_), mcusHigh = divideUp(height_, 8 * maxV_);
    size_t blocks = 0;
    for (Component& c : components_) {
        // Chroma sampled at a third of two-thirds would need fractional upsampling.
        if (maxH_ % c.h != 0 || maxV_ % c.v != 0) return false;
        c.blocksWide = mcusWide * c.h;
        c.blocksHigh = mcusHigh * c.v;
        c.ownBlocksWide = divideUp(divideUp(width_ * c.h, maxH_), 8);
        c.ownBlocksHigh = divideUp(divideUp(height_ * c.v, maxV_), 8);
        blocks += size_t(c.blocksWide) * size_t(c.blocksHigh);
    }
    if (blocks * sizeof(int16_t) > kMaxDcBytes) return false;
    for (Component& c : components_) c.dc.assign(size_t(c.blocksWide) * size_t(c.blocksHigh), 0);
    return true;
}

bool JpegDcDecoder::readScan(int length) {
    const int count = input_.next();
    if (count < 1 || count > int(components_.size()) || length != 4 + 2 * count) return false;
    std::vector<ScanPart> parts;
    for (int i = 0; i < count; ++i) {
        const int id = input_.next(), tables = input_.next();
        const auto c = std::find_if(components_.begin(), components_.end(), [id](const Component& c) { return c.id == id; });
        if (tables < 0 || (tables >> 4) > 3 || c == components_.end()) return false;
        for (const ScanPart& part : parts)
            if (part.component == &*c) return false;
        parts.push_back({&*c, &dcTables_[size_t(tables >> 4)], 0});
    }
    const int spectralStart = input_.next(), spectralEnd = input_.next(), approximation = input_.next();
    if (approximation < 0) return false;
    if (spectralStart != 0) {  // AC coefficients: not needed at 1/8 scale
        pendingMarker_ = skipEntropyData();
        return true;
    }
    const int ah = approximation >> 4, al = approximation & 15;
    return spectralEnd == 0 && ah <= kMaxPointTransform && al <= kMaxPointTransform && decodeDcScan(parts, ah, al);
}

bool JpegDcDecoder::decodeDcScan(std::vector<ScanPart>& parts, int ah, int al) {
    const bool refine = ah != 0;
    int blocksInMcu = 0;
    for (ScanPart& part : parts) {
        Component& c = *part.component;
        if (refine ? !c.hasDc : !part.table->defined) return false;
        // The quantiser in force when the component's first scan starts.
        if (c.quant == 0) c.quant = quant_[size_t(c.quantTable)];
        if (c.quant == 0) return false;
        blocksInMcu += c.h * c.v;
    }
    const bool interleaved = parts.size() > 1;
    if (interleaved && blocksInMcu > kMaxBlocksInMcu) return false;

    // One component alone is scanned block by block over its own extent.
    const Component& only = *parts.front().component;
    const int mcusWide = interleaved ? divideUp(width_, 8 * maxH_) : only.ownBlocksWide;
    const int mcusHigh = interleaved ? divideUp(height_, 8 * maxV_) : only.ownBlocksHigh;
    bits_.restart();
    int untilRestart = restartInterval_;
    for (int my = 0; my < mcusHigh; ++my) {
        for (int mx = 0; mx < mcusWide; ++mx) {
            if (restartInterval_ > 0 && untilRestart-- == 0) {
                if (!restart(parts)) return false;
                untilRestart = restartInterval_ - 1;
            }
            for (ScanPart& part : parts) {
                const int h = interleaved ? part.component->h : 1, v = interleaved ? part.component->v : 1;
                for (int y = 0; y < v; ++y)
                    for (int x = 0; x < h; ++x)
                        if (!decodeBlock(part, mx * h + x, my * v + y, refine, al)) return false;
            }
            if (bits_.overran()) return false;  // damaged or cut short: libjpeg fills in what it can
        }
    }
    if (!refine)
        for (ScanPart& part : parts) part.component->hasDc = true;
    pendingMarker_ = bits_.marker() != 0 ? bits_.marker() : skipEntropyData();
    return true;
}

bool JpegDcDecoder::decodeBlock(ScanPart& part, int x, int y, bool refine, int al) {
    Component& c = *part.component;
    int16_t& coefficient = c.dc[size_t(y) * size_t(c.blocksWide) + size_t(x)];
    if (refine) {
        if (bits_.take(1)) coefficient = int16_t(coefficient | 1 << al);
        return true;
    }
    const int category = decodeHuffman(*part.table);
    if (category < 0 || category > kMaxCategory) return false;
    int difference = 0;
    if (category > 0) {
        const int bits = bits_.take(category);
        difference = bits < 1 << (category - 1) ? bits - (1 << category) + 1 : bits;
    }
    part.predictor += difference;
    const int value = part.predictor * (1 << al);
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) return false;
    coefficient = int16_t(value);
    return true;
}

bool JpegDcDecoder::restart(std::vector<ScanPart>& parts) {
    int marker = bits_.marker();
    if (marker == 0) {
        if (input_.next() != 0xFF) return false;
        marker = input_.next();
        while (marker == 0xFF) marker = input_.next();
    }
    if (marker < kRst0 || marker > kRst7) return false;
    bits_.restart();
    for (ScanPart& part : parts) part.predictor = 0;
    return true;
}

// Skips a scan's coded data; returns the marker after it, or -1 at the end.
int JpegDcDecoder::skipEntropyData() {
    for (;;) {
        if (!input_.skipPast(0xFF)) return -1;
        int byte = input_.next();
        while (byte == 0xFF) byte = input_.next();
        if (byte < 0) return -1;
        if (byte != 0 && (byte < kRst0 || byte > kRst7)) return byte;  // 0 is a stuffed 0xFF
    }
}

int JpegDcDecoder::decodeHuffman(const HuffmanTable& table) {
    const int longest = bits_.peek(16);
    for (size_t length = 1; length <= 16; ++length) {
        const int code = longest >> (16 - length);
        if (code <= table.maxCode[length]) {
            bits_.drop(int(length));
            return table.values[size_t(table.offset[length] + code)];
        }
    }
    return -1;
}

bool JpegDcDecoder::hasAllDc() const {
    return !components_.empty() &&
           std::all_of(components_.begin(), components_.end(), [](const Component& c) { return c.hasDc; });
}

// Three components are YCbCr unless Adobe's marker or the component names
// say RGB; libjpeg knows all the rules for those.
bool JpegDcDecoder::storedAsRgb() const {
    if (components_.size() != 3) return false;
    return adobeRgb_ || (components_[0].id == 'R' && components_[1].id == 'G' && components_[2].id == 'B');
}

void JpegDcDecoder::emitRows(const std::function<void(const uint32_t* row)>& takeRow) {
    // The inverse DCT of a block reduced to one pixel is the block's mean.
    for (Component& c : components_)
        for (int16_t& dc : c.dc) dc = int16_t(clampByte(((int64_t(dc) * c.quant + 4) >> 3) + 128));

    const QSize picture = size();
    std::vector<std::vector<Tap>> across, down;
    for (const Component& c : components_) {
        across.push_back(taps(picture.width(), maxH_ / c.h, c.ownBlocksWide));
        down.push_back(taps(picture.height(), maxV_ / c.v, c.ownBlocksHigh));
    }
    std::vector<uint32_t> row(size_t(picture.width()));
    std::array<int, 3> level{};
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            for (size_t i = 0; i < components_.size(); ++i) {
                const Component& c = components_[i];
                const Tap& column = across[i][size_t(x)];
                const Tap& line = down[i][size_t(y)];
                const int16_t* upper = &c.dc[size_t(line.first) * size_t(c.blocksWide)];
                const int16_t* lower = &c.dc[size_t(line.second) * size_t(c.blocksWide)];
                const int top = blend(upper[column.first], upper[column.second], column.weight);
                const int bottom = blend(lower[column.first], lower[column.second], column.weight);
                level[i] = (blend(top, bottom, line.weight) + kHalfTapWeight * kTapWeight) >> (2 * kTapBits);
            }
            row[size_t(x)] = components_.size() == 1 ? rgb32(level[0], level[0], level[0])
                                                     : yCbCrToRgb(level[0], level[1], level[2]);
        }
        takeRow(row.data());
    }
}

}  // namespace skyfolio
