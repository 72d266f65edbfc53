#include "imaging/bitmap_decoder.h"

#include "imaging/buffered_input.h"
#include "imaging/picture_limits.h"
#include "imaging/pixels.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>

namespace skyfolio {
namespace {

constexpr int kFileHeaderBytes = 14;
// The header sizes written in the wild: OS/2 1.x, OS/2 2.x short and long,
// Windows 3 (also written by OS/2 2.x), and Windows' V2 to V5.
constexpr uint32_t kCoreHeader = 12;
constexpr uint32_t kInfoHeader = 40;
constexpr uint32_t kOs2ShortHeader = 16;
constexpr uint32_t kOs2Header = 64;
constexpr uint32_t kHeaderSizes[] = {kCoreHeader, kOs2ShortHeader, kInfoHeader, 52, 56, kOs2Header, 108, 124};
constexpr uint32_t kLargestHeader = 124;

constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitFields = 3;  // on OS/2, Huffman-coded: not read
constexpr uint32_t kAlphaBitFields = 6;

constexpr int kMaxPaletteColours = 256;
// The headers, the masks after a Windows 3 header, and the largest palette.
constexpr int kMostHeadBytes = kFileHeaderBytes + kLargestHeader + 16 + kMaxPaletteColours * 4;
// Pixels a hundred times as wide as high, or as high as wide, are a damaged
// header, not a picture anyone took.
constexpr int64_t kMostPixelAspect = 100;

const std::string kCutShort = "the picture data is cut short";
const std::string kBadColour = "a pixel names a colour that the palette lacks";
const std::string kPastTheEdge = "the picture data runs past the picture's edge";

uint32_t littleEndian(const QByteArray& bytes, int at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

// A colour mask must be one run of bits, of a channel of its own.
bool usableMasks(const std::array<uint32_t, 3>& masks, int bitsPerPixel) {
    const uint64_t within = (uint64_t(1) << bitsPerPixel) - 1;
    for (uint32_t mask : masks) {
        if (mask == 0 || mask > within) return false;
        const uint32_t run = mask >> std::countr_zero(mask);
        if ((run & (run + 1)) != 0) return false;
    }
    return (masks[0] & masks[1]) == 0 && (masks[0] & masks[2]) == 0 && (masks[1] & masks[2]) == 0;
}

// One channel taken out of a pixel by its mask and spread over the whole
// range of a byte: five bits full are 255, so a 16-bit picture's white stays
// white instead of turning light grey.
class Channel {
public:
    explicit Channel(uint32_t mask) : shift_(std::countr_zero(mask)), bits_(std::popcount(mask)), mask_(mask) {
        if (bits_ >= 8) return;
        const uint32_t top = (1u << bits_) - 1;
        for (uint32_t value = 0; value <= top; ++value) levels_[value] = uint8_t((value * 255 + top / 2) / top);
    }
    int operator()(uint32_t pixel) const {
        const uint32_t value = (pixel & mask_) >> shift_;
        return bits_ >= 8 ? int(value >> (bits_ - 8)) : levels_[value];
    }

private:
    int shift_;
    int bits_;
    uint32_t mask_;
    // The nearest byte value of each level of a channel narrower than a byte.
    std::array<uint8_t, 256> levels_{};
};

std::optional<BitmapHeader> refused(std::string& error, std::string why) {
    error = std::move(why);
    return std::nullopt;
}

// Converts stored rows of one of the uncompressed layouts to RGB32 pixels.
class RowConverter {
public:
    explicit RowConverter(const BitmapHeader& h)
        : h_(h), red_(h.masks[0]), green_(h.masks[1]), blue_(h.masks[2]) {}

    // False when a pixel names a colour the palette lacks.
    bool convert(const uint8_t* in, uint32_t* out) const {
        const int width = h_.size.width();
        switch (h_.bitsPerPixel) {
            case 1:
            case 4:
            case 8: {
                const int bits = h_.bitsPerPixel, lowBits = (1 << bits) - 1;
                const size_t colours = h_.palette.size();
                // Each byte holds its pixels from the high bits down.
                for (int x = 0; x < width; ++in)
                    for (int shift = 8 - bits; shift >= 0 && x < width; shift -= bits, ++x) {
                        const size_t index = size_t(*in >> shift & lowBits);
                        if (index >= colours) return false;
                        out[x] = h_.palette[index];
                    }
                return true;
            }
            case 16:
                for (int x = 0; x < width; ++x) out[x] = pixel(uint32_t(in[2 * x] | in[2 * x + 1] << 8));
                return true;
            case 24:
                for (int x = 0; x < width; ++x, in += 3) out[x] = rgb32(in[2], in[1], in[0]);
                return true;
            default:
                for (int x = 0; x < width; ++x, in += 4)
                    out[x] = pixel(uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16 | uint32_t(in[3]) << 24);
                return true;
        }
    }

private:
    uint32_t pixel(uint32_t value) const { return rgb32(red_(value), green_(value), blue_(value)); }

    const BitmapHeader& h_;
    Channel red_, green_, blue_;
};

bool decodePlain(BufferedInput& input, const BitmapHeader& h, RowSink& sink, std::string& error) {
    const size_t rowBytes = (size_t(h.size.width()) * size_t(h.bitsPerPixel) + 31) / 32 * 4;
    std::vector<uint8_t> stored(rowBytes);
    std::vector<uint32_t> row(size_t(h.size.width()));
    const RowConverter converter(h);
    for (int y = 0; y < h.size.height(); ++y) {
        if (input.read(stored.data(), rowBytes) != rowBytes) {
            error = kCutShort;
            return false;
        }
        if (!converter.convert(stored.data(), row.data())) {
            error = kBadColour;
            return false;
        }
        sink.addRow(row.data());
    }
    return true;
}

// Run-length coded rows of 8 or 4 bits a pixel, always stored bottom up.
// Runs and moves only go forward, so each row is handed on as soon as the
// data leaves it.
class RleReader {
public:
    RleReader(BufferedInput& input, const BitmapHeader& h, RowSink& sink)
        : input_(input), h_(h), sink_(sink), row_(size_t(h.size.width()), kLeftOut) {}

    bool read(std::string& error) {
        const int width = h_.size.width();
        for (;;) {
            const int count = input_.next(), value = input_.next();
            if (value < 0) return fail(error, kCutShort);
            if (count > 0) {
                if (y_ >= h_.size.height() || x_ + count > width) return fail(error, kPastTheEdge);
                for (int i = 0; i < count; ++i)
                    if (!put(h_.coding == BitmapHeader::Coding::Rle4 ? (i % 2 ? value & 15 : value >> 4) : value))
                        return fail(error, kBadColour);
                continue;
            }
            switch (value) {
                case 0:  // end of the row
                    if (y_ >= h_.size.height()) return fail(error, kPastTheEdge);
                    nextRow();
                    x_ = 0;
                    break;
                case 1:  // end of the picture
                    while (y_ < h_.size.height()) nextRow();
                    return true;
                case 2: {  // a move right and up
                    const int right = input_.next(), up = input_.next();
                    if (up < 0) return fail(error, kCutShort);
                    if (x_ + right > width || y_ + up >= h_.size.height()) return fail(error, kPastTheEdge);
                    for (int i = 0; i < up; ++i) nextRow();
                    x_ += right;
                    break;
                }
                default:
                    if (!readLiteral(value, error)) return false;
            }
        }
    }

private:
    static constexpr uint32_t kLeftOut = 0xFF000000;

    bool fail(std::string& error, const std::string& why) {
        error = why;
        return false;
    }
    bool put(int index) {
        if (size_t(index) >= h_.palette.size()) return false;
        row_[size_t(x_++)] = h_.palette[size_t(index)];
        return true;
    }
    void nextRow() {
        sink_.addRow(row_.data());
        std::fill(row_.begin(), row_.end(), kLeftOut);
        ++y_;
    }
    // `count` pixels stored as they are, padded to a whole 16-bit word.
    bool readLiteral(int count, std::string& error) {
        if (y_ >= h_.size.height() || x_ + count > h_.size.width()) return fail(error, kPastTheEdge);
        const bool nibbles = h_.coding == BitmapHeader::Coding::Rle4;
        const int bytes = nibbles ? (count + 1) / 2 : count;
        int byte = 0;
        for (int i = 0; i < count; ++i) {
            if (!nibbles || i % 2 == 0) byte = input_.next();
            if (byte < 0) return fail(error, kCutShort);
            if (!put(nibbles ? (i % 2 ? byte & 15 : byte >> 4) : byte)) return fail(error, kBadColour);
        }
        if (bytes % 2 != 0 && input_.next() < 0) return fail(error, kCutShort);
        return true;
    }

    BufferedInput& input_;
    const BitmapHeader& h_;
    RowSink& sink_;
    std::vector<uint32_t> row_;
    int x_ = 0;
    int y_ = 0;  // rows handed on
};

}  // namespace

std::optional<BitmapHeader> readBitmapHeader(QIODevice& file, std::string& error) {
    if (!file.seek(0)) return refused(error, "the file cannot be read again");
    const QByteArray head = file.peek(kMostHeadBytes);
    const qint64 fileSize = file.size();
    if (head.size() < kFileHeaderBytes + 4 || !head.startsWith("BM"))
        return refused(error, "not a readable BMP file");
    const auto u16 = [&](int at) { return littleEndian(head, at, 2); };
    const auto u32 = [&](int at) { return littleEndian(head, at, 4); };
    const uint32_t declaredSize = u32(2);
    const uint32_t headerSize = u32(14);
    if (std::find(std::begin(kHeaderSizes), std::end(kHeaderSizes), headerSize) == std::end(kHeaderSizes))
        return refused(error, "a BMP header of " + std::to_string(headerSize) + " bytes, which no program writes");
    if (head.size() < kFileHeaderBytes + int(headerSize)) return refused(error, kCutShort);

    BitmapHeader h;
    h.pixelsAt = u32(10);
    const bool core = headerSize == kCoreHeader;
    const bool os2 = headerSize == kOs2ShortHeader || headerSize == kOs2Header;
    int64_t width = 0, height = 0;
    uint32_t planes = 0, compression = kRgb, imageBytes = 0, colours = 0;
    int64_t xDensity = 0, yDensity = 0;
    if (core) {
        width = u16(18);
        height = u16(20);
        planes = u16(22);
        h.bitsPerPixel = int(u16(24));
    } else {
        width = int32_t(u32(18));
        height = int32_t(u32(22));
        planes = u16(26);
        h.bitsPerPixel = int(u16(28));
        if (headerSize >= kInfoHeader) {
            compression = u32(30);
            imageBytes = u32(34);
            xDensity = int32_t(u32(38));
            yDensity = int32_t(u32(42));
            colours = u32(46);
        }
    }
    if (planes != 1) return refused(error, "a BMP file of " + std::to_string(planes) + " planes");
    if (width <= 0 || height == 0) return refused(error, "a BMP file without a width or a height");
    h.topDown = height < 0;
    height = std::llabs(height);
    const int bits = h.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return refused(error, "a BMP file of " + std::to_string(bits) + " bits a pixel");
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxStreamedPixels)
        return refused(error, tooLarge(width, height));
    h.size = QSize(int(width), int(height));

    int masksAfterHeader = 0;
    if (compression == kRgb) {
        h.coding = BitmapHeader::Coding::Plain;
        h.masks = bits == 16 ? std::array<uint32_t, 3>{0x7C00, 0x03E0, 0x001F} : std::array<uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
    } else if ((compression == kRle8 && bits == 8) || (compression == kRle4 && bits == 4)) {
        h.coding = compression == kRle8 ? BitmapHeader::Coding::Rle8 : BitmapHeader::Coding::Rle4;
        if (h.topDown) return refused(error, "a run-length coded BMP file stored top down");
    } else if ((compression == kBitFields || compression == kAlphaBitFields) && !os2 && (bits == 16 || bits == 32)) {
        h.coding = BitmapHeader::Coding::BitFields;
        if (headerSize == kInfoHeader) masksAfterHeader = compression == kAlphaBitFields ? 16 : 12;
        const int at = kFileHeaderBytes + int(kInfoHeader);
        if (head.size() < at + 12) return refused(error, kCutShort);
        h.masks = {u32(at), u32(at + 4), u32(at + 8)};
        if (!usableMasks(h.masks, bits)) return refused(error, "a BMP file whose colour masks are unusable");
    } else {
        return refused(error, "a BMP file compressed in a way Skyfolio does not read (" + std::to_string(compression) + ")");
    }

    const qint64 headersEnd = kFileHeaderBytes + qint64(headerSize) + masksAfterHeader;
    if (h.pixelsAt < headersEnd) return refused(error, "a BMP file whose pixels would lie inside its header");
    if (bits <= 8) {
        const uint32_t possible = 1u << bits;
        if (colours > possible) return refused(error, "a BMP palette of more colours than its pixels can name");
        const int entryBytes = core ? 3 : 4;
        // Some OS/2 files store fewer colours than their pixels could name;
        // where the pixels start tells how many.
        const qint64 stored = std::min<qint64>(colours ? colours : possible, (h.pixelsAt - headersEnd) / entryBytes);
        if (stored == 0) return refused(error, "a BMP file without its palette");
        if (head.size() < headersEnd + stored * entryBytes) return refused(error, kCutShort);
        for (qint64 i = 0; i < stored; ++i) {
            const int at = int(headersEnd + i * entryBytes);
            h.palette.push_back(rgb32(uint8_t(head[at + 2]), uint8_t(head[at + 1]), uint8_t(head[at])));
        }
    }
    if (xDensity > 0 && yDensity > 0 && (xDensity / yDensity >= kMostPixelAspect || yDensity / xDensity >= kMostPixelAspect))
        return refused(error, "a BMP file whose pixels would be a hundred times as wide as high, or as high as wide");

    // The file must hold all that its headers promise.
    const qint64 pixelBytes = fileSize - h.pixelsAt;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    const bool plain = h.coding == BitmapHeader::Coding::Plain || h.coding == BitmapHeader::Coding::BitFields;
    if (declaredSize > fileSize || pixelBytes < 0 || imageBytes > pixelBytes || (plain && rowBytes > pixelBytes / height))
        return refused(error, kCutShort);
    return h;
}

bool decodeBitmap(QIODevice& file, const BitmapHeader& header, RowSink& sink, std::string& error) {
    BufferedInput input(file);
    if (!input.rewind()) {
        error = "the file cannot be read again";
        return false;
    }
    input.skip(header.pixelsAt);
    if (header.coding == BitmapHeader::Coding::Rle8 || header.coding == BitmapHeader::Coding::Rle4)
        return RleReader(input, header, sink).read(error);
    return decodePlain(input, header, sink, error);
}

}  // namespace skyfolio
