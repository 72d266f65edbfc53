#include "imaging/bitmap_writer.h"

#include "imaging/pixels.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace skyfolio {
namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kHeaderBytes = kFileHeaderBytes + kInfoHeaderBytes;
// What Qt writes for a picture it made itself: 100 dots per inch.
constexpr uint32_t kPixelsPerMetre = 3937;

void putLittleEndian(char* at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = char(value >> (8 * i) & 0xFF);
}

}  // namespace

BitmapWriter::BitmapWriter(const std::string& path, QSize size, RowOrder order, int rowsComing)
    : path_(path),
      size_(size),
      file_(QString::fromStdString(path)),
      order_(order),
      rowsComing_(std::max(rowsComing, size.height())),
      line_(size_t((size.width() * 3 + 3) & ~3)) {
    const uint32_t pixelBytes = uint32_t(line_.size()) * uint32_t(size.height());
    std::array<char, kHeaderBytes> header{};
    char* h = header.data();
    h[0] = 'B';
    h[1] = 'M';
    putLittleEndian(h + 2, kHeaderBytes + pixelBytes, 4);
    putLittleEndian(h + 10, kHeaderBytes, 4);
    putLittleEndian(h + 14, kInfoHeaderBytes, 4);
    putLittleEndian(h + 18, uint32_t(size.width()), 4);
    putLittleEndian(h + 22, uint32_t(size.height()), 4);  // positive: rows stored bottom up
    putLittleEndian(h + 26, 1, 2);                          // planes
    putLittleEndian(h + 28, 24, 2);                         // bits per pixel, no compression
    putLittleEndian(h + 34, pixelBytes, 4);
    putLittleEndian(h + 38, kPixelsPerMetre, 4);
    putLittleEndian(h + 42, kPixelsPerMetre, 4);
    failed_ = size.isEmpty() || !file_.open(QIODevice::WriteOnly) || file_.write(h, kHeaderBytes) != kHeaderBytes;
}

void BitmapWriter::addRow(const uint32_t* row) {
    const int fromTop = order_ == RowOrder::TopDown ? arrived_ : rowsComing_ - 1 - arrived_;
    ++arrived_;
    if (failed_ || fromTop < 0 || fromTop >= size_.height()) return;
    char* out = line_.data();
    for (int x = 0; x < size_.width(); ++x) {
        *out++ = char(blueOf(row[x]));
        *out++ = char(greenOf(row[x]));
        *out++ = char(redOf(row[x]));
    }
    // The file holds the bottom row first.
    const qint64 at = kHeaderBytes + qint64(size_.height() - 1 - fromTop) * qint64(line_.size());
    failed_ = !file_.seek(at) || file_.write(line_.data(), qint64(line_.size())) != qint64(line_.size());
    ++written_;
}

WriteResult BitmapWriter::finish() {
    if (failed_ || written_ != size_.height()) {
        const std::string why = failed_ ? file_.errorString().toStdString() : "the picture ended early";
        file_.cancelWriting();
        return WriteResult::failure(path_ + ": " + why);
    }
    if (!file_.commit()) return WriteResult::failure(path_ + ": " + file_.errorString().toStdString());
    return {};
}

}  // namespace skyfolio
