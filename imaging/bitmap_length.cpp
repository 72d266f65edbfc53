#include "imaging/bitmap_length.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace skyfolio {
namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kCoreHeaderBytes = 12;  // the oldest header, with 16-bit sizes
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kAlphaBitFields = 6;

uint32_t littleEndian(const QByteArray& bytes, int at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

}  // namespace

bool bitmapIsCutShort(QIODevice& file) {
    const QByteArray head = file.peek(kFileHeaderBytes + 20);
    if (head.size() < kFileHeaderBytes + kCoreHeaderBytes || !head.startsWith("BM")) return false;
    const uint32_t pixelsAt = littleEndian(head, 10, 4);
    const uint32_t headerSize = littleEndian(head, 14, 4);
    int64_t width, height;
    uint32_t bitsPerPixel, compression;
    if (headerSize == kCoreHeaderBytes) {
        width = littleEndian(head, 18, 2);
        height = littleEndian(head, 20, 2);
        bitsPerPixel = littleEndian(head, 24, 2);
        compression = kUncompressed;
    } else {
        if (head.size() < kFileHeaderBytes + 20) return false;
        width = static_cast<int32_t>(littleEndian(head, 18, 4));
        height = std::llabs(static_cast<int32_t>(littleEndian(head, 22, 4)));  // negative: rows top-down
        bitsPerPixel = littleEndian(head, 28, 2);
        compression = littleEndian(head, 30, 4);
    }
    if (compression != kUncompressed && compression != kBitFields && compression != kAlphaBitFields) return false;
    if (width <= 0 || bitsPerPixel == 0 || bitsPerPixel > 32) return false;  // the reader refuses these itself
    const int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    const int64_t available = file.size() - int64_t(pixelsAt);
    // rowBytes * height > available, without overflowing on a hostile header
    return available < 0 || (height > 0 && rowBytes > available / height);
}

}  // namespace skyfolio
