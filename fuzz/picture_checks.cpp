#include "fuzz/fuzz_checks.h"
#include "fuzz/scratch_file.h"
#include "imaging/area_scaler.h"
#include "imaging/bitmap_decoder.h"
#include "imaging/buffered_input.h"
#include "imaging/jpeg_dc_decoder.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/picture.h"
#include "imaging/qt_sizes.h"

#include <QBuffer>
#include <QByteArray>

#include <string>

namespace skyfolio::fuzz {
namespace {

// Fuzzed headers may claim pictures of a gigapixel, which are read, slowly;
// the parsers are what is under test, so such inputs stop at the header.
constexpr long long kMostPixels = 4LL * 1024 * 1024;

// Counts the rows and checks that each is as wide as promised.
class CountingSink : public RowSink {
public:
    explicit CountingSink(int width) : width_(width) {}
    void addRow(const QRgb* row) override {
        volatile QRgb last = row[width_ - 1];  // a row shorter than promised shows under ASan
        (void)last;
        ++rows;
    }
    int rows = 0;

private:
    int width_;
};

// The input as a device, without copying it.
class Input {
public:
    explicit Input(std::span<const uint8_t> data)
        : bytes_(QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()))) {
        buffer_.setData(bytes_);
        buffer_.open(QIODevice::ReadOnly);
    }
    QIODevice& device() { return buffer_; }

private:
    QByteArray bytes_;
    QBuffer buffer_;
};

bool small(QSize size) { return size.isValid() && qint64(size.width()) * size.height() <= kMostPixels; }

QSize eighth(QSize size) { return {(size.width() + 7) / 8, (size.height() + 7) / 8}; }

}  // namespace

bool jpegHeader(std::span<const uint8_t> data) {
    Input input(data);
    const std::optional<JpegHeader> header = readJpegHeader(input.device());
    return !header || (header->size.width() >= 0 && header->size.height() >= 0);
}

bool jpegDcDecoder(std::span<const uint8_t> data) {
    Input input(data);
    BufferedInput buffered(input.device());
    JpegDcDecoder decoder(buffered);
    if (!decoder.readHeader() || !small(decoder.size())) return true;
    CountingSink sink(decoder.size().width());
    const bool decoded = decoder.decode([&](const QRgb* row) { sink.addRow(row); });
    // All of the picture or none of it.
    return decoded ? sink.rows == decoder.size().height() : sink.rows == 0;
}

bool jpegDecoder(std::span<const uint8_t> data) {
    Input input(data);
    const std::optional<JpegHeader> header = readJpegHeader(input.device());
    if (!header || !small(eighth(header->size)) || eighth(header->size).isEmpty()) return true;
    const QSize size = eighth(header->size);
    CountingSink sink(size.width());
    std::string error;
    const bool decoded = decodeJpeg(input.device(), size, sink, error);
    return !decoded || sink.rows == size.height();
}

bool bitmapDecoder(std::span<const uint8_t> data) {
    Input input(data);
    std::string error;
    const std::optional<BitmapHeader> header = readBitmapHeader(input.device(), error);
    if (!header) return !error.empty();
    if (!small(header->size)) return true;
    // As the preview takes it: a few dozen pixels a side.
    const QSize to(std::min(header->size.width(), 40), std::min(header->size.height(), 30));
    CountingSink sink(to.width());
    AreaScaler scaler(pictureSize(header->size), pictureSize(to), sink);
    const bool decoded = decodeBitmap(input.device(), *header, scaler, error);
    return decoded ? sink.rows == to.height() : !error.empty();
}

bool pictureFile(std::span<const uint8_t> data) {
    const ScratchFile file("picture", data);
    try {
        const std::optional<PictureSize> size = Picture::probe(file.path());
        if (size && !small(QSize(size->width, size->height))) return true;
        const Picture shown = Picture::loadAtSize(file.path(), {40, 30});
        if (shown.size() != PictureSize{40, 30}) return false;
        return !Picture::load(file.path()).isNull();
    } catch (const PictureError&) {
        return true;
    }
}

}  // namespace skyfolio::fuzz
