#include "imaging/webp_decoder.h"

#include "imaging/area_scaler.h"
#include "imaging/exif_orientation.h"
#include "imaging/picture_limits.h"
#include "imaging/qt_sizes.h"

#include <QByteArray>

#include <cstdint>
#include <cstring>
#include <vector>

#include <webp/decode.h>

namespace skyfolio {
namespace {

constexpr qint64 kChunkBytes = 64 * 1024;
// The header and the first image chunk's header, after an ICC profile of
// any usual size.
constexpr qint64 kMostHeaderBytes = 4 * 1024 * 1024;
constexpr int kRiffHeaderBytes = 12;
constexpr int kChunkHeaderBytes = 8;
// A still picture has a handful of chunks; no need to look past these.
constexpr int kMostChunks = 64;
constexpr uint8_t kExifFlag = 0x08;

uint32_t littleEndian32(const char* at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | uint8_t(at[i]);
    return value;
}

// The EXIF chunk's orientation; it follows the picture data, so the file's
// chunks are walked by their headers to find it.
QImageIOHandler::Transformations orientationOf(QIODevice& file) {
    qint64 at = kRiffHeaderBytes;
    for (int chunk = 0; chunk < kMostChunks && file.seek(at); ++chunk) {
        const QByteArray header = file.read(kChunkHeaderBytes);
        if (header.size() != kChunkHeaderBytes) break;
        const uint32_t length = littleEndian32(header.constData() + 4);
        if (header.startsWith("EXIF")) {
            const QByteArray exif = file.read(std::min<qint64>(length, kChunkBytes));
            return exifOrientation(reinterpret_cast<const unsigned char*>(exif.constData()), size_t(exif.size()));
        }
        at += kChunkHeaderBytes + qint64(length) + (length & 1);
    }
    return QImageIOHandler::TransformationNone;
}

// libwebp's incremental decoder with its output buffer, released together.
struct Decoding {
    Decoding() { WebPInitDecoderConfig(&config); }
    ~Decoding() {
        if (decoder) WebPIDelete(decoder);
        WebPFreeDecBuffer(&config.output);
    }
    Decoding(const Decoding&) = delete;
    Decoding& operator=(const Decoding&) = delete;

    WebPDecoderConfig config;
    WebPIDecoder* decoder = nullptr;
};

class WebPDecoder : public RowDecoder {
public:
    WebPDecoder(QIODevice& file, QSize size, QImageIOHandler::Transformations orientation)
        : file_(file), size_(size), orientation_(orientation) {}

    QSize size() const override { return size_; }
    QImageIOHandler::Transformations orientation() const override { return orientation_; }
    bool decodesStraightTo(QSize size) const override { return scalesWellByArea(pictureSize(size_), pictureSize(size)); }
    void decode(QSize size, RowSink& sink) override;

private:
    QIODevice& file_;
    QSize size_;
    QImageIOHandler::Transformations orientation_;
};

void WebPDecoder::decode(QSize size, RowSink& sink) {
    if (qint64(size.width()) * size.height() * 4 > kMaxPictureBytes) throw DecodeError(tooLarge(size.width(), size.height()));
    if (!file_.seek(0)) throw DecodeError("the file cannot be read again");
    Decoding d;
    d.config.output.colorspace = MODE_BGRA;  // BGRA bytes are a QImage pixel
    if (size != size_) {
        d.config.options.use_scaling = 1;
        d.config.options.scaled_width = size.width();
        d.config.options.scaled_height = size.height();
    }
    d.decoder = WebPIDecode(nullptr, 0, &d.config);
    if (!d.decoder) throw DecodeError("out of memory");

    std::vector<uint32_t> row(size_t(size.width()));
    QByteArray chunk(kChunkBytes, Qt::Uninitialized);
    int handedOn = 0;
    for (VP8StatusCode status = VP8_STATUS_SUSPENDED; status == VP8_STATUS_SUSPENDED;) {
        const qint64 got = file_.read(chunk.data(), chunk.size());
        if (got <= 0) throw DecodeError("the picture data is cut short");
        status = WebPIAppend(d.decoder, reinterpret_cast<const uint8_t*>(chunk.constData()), size_t(got));
        if (status != VP8_STATUS_OK && status != VP8_STATUS_SUSPENDED) throw DecodeError("the picture data is damaged");
        int decoded = 0, width = 0, height = 0, stride = 0;
        const uint8_t* pixels = WebPIDecGetRGB(d.decoder, &decoded, &width, &height, &stride);
        if (!pixels) continue;
        if (width != size.width() || height != size.height()) throw DecodeError("the picture data is damaged");
        for (; handedOn < decoded; ++handedOn) {
            std::memcpy(row.data(), pixels + qint64(handedOn) * stride, row.size() * sizeof(uint32_t));
            // The colours as stored, as Qt shows a transparent picture without its alpha.
            for (uint32_t& pixel : row) pixel |= 0xFF000000u;
            sink.addRow(row.data());
        }
    }
    if (handedOn != size.height()) throw DecodeError("the picture data is cut short");
}

}  // namespace

std::unique_ptr<RowDecoder> openWebP(QIODevice& file) {
    if (!file.seek(0)) throw DecodeError("the file cannot be read again");
    WebPBitstreamFeatures features;
    for (qint64 bytes = kChunkBytes;; bytes *= 4) {
        const QByteArray start = file.peek(std::min(bytes, kMostHeaderBytes));
        const VP8StatusCode status =
            WebPGetFeatures(reinterpret_cast<const uint8_t*>(start.constData()), size_t(start.size()), &features);
        if (status == VP8_STATUS_OK) break;
        if (status != VP8_STATUS_NOT_ENOUGH_DATA || start.size() < bytes || bytes >= kMostHeaderBytes)
            throw DecodeError("not a readable WebP file");
    }
    if (features.has_animation) return nullptr;
    const QByteArray start = file.peek(kRiffHeaderBytes + kChunkHeaderBytes + 1);
    const bool hasExif = start.size() == kRiffHeaderBytes + kChunkHeaderBytes + 1 &&
                         start.mid(kRiffHeaderBytes, 4) == "VP8X" && (uint8_t(start.back()) & kExifFlag);
    const auto orientation = hasExif ? orientationOf(file) : QImageIOHandler::TransformationNone;
    return std::make_unique<WebPDecoder>(file, QSize(features.width, features.height), orientation);
}

}  // namespace skyfolio
