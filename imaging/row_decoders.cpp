#include "imaging/row_decoders.h"

#include "imaging/area_scaler.h"
#include "imaging/bitmap_decoder.h"
#include "imaging/heif_decoder.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/picture_format.h"
#include "imaging/png_decoder.h"
#include "imaging/webp_decoder.h"
#include "imaging/qt_sizes.h"

namespace skyfolio {
namespace {

class JpegRowDecoder : public RowDecoder {
public:
    JpegRowDecoder(QIODevice& file, const JpegHeader& header) : file_(file), header_(header) {}

    QSize size() const override { return header_.size; }
    QImageIOHandler::Transformations orientation() const override { return header_.orientation; }
    bool decodesStraightTo(QSize size) const override { return skyfolio::decodesStraightTo(header_.size, size); }
    void decode(QSize size, RowSink& sink) override {
        std::string error;
        if (!decodeJpeg(file_, size, sink, error)) throw DecodeError(error);
    }

private:
    QIODevice& file_;
    JpegHeader header_;
};

std::unique_ptr<RowDecoder> openJpeg(QIODevice& file) {
    // Qt reads a damaged JPEG header for seconds; ours does not.
    const std::optional<JpegHeader> header = readJpegHeader(file);
    if (!header) throw DecodeError("not a readable JPEG file");
    return std::make_unique<JpegRowDecoder>(file, *header);
}

// A bitmap is read row by row whatever its size and area-averaged as it is
// read, so it costs the time of its length, not memory.
class BitmapRowDecoder : public RowDecoder {
public:
    BitmapRowDecoder(QIODevice& file, BitmapHeader header) : file_(file), header_(std::move(header)) {}

    QSize size() const override { return header_.size; }
    QImageIOHandler::Transformations orientation() const override { return QImageIOHandler::TransformationNone; }
    RowOrder rowOrder() const override { return header_.topDown ? RowOrder::TopDown : RowOrder::BottomUp; }
    bool decodesStraightTo(QSize) const override { return true; }
    void decode(QSize size, RowSink& sink) override {
        RowsAtSize rows(pictureSize(header_.size), pictureSize(size), sink);
        std::string error;
        if (!decodeBitmap(file_, header_, rows, error)) throw DecodeError(error);
    }

private:
    QIODevice& file_;
    BitmapHeader header_;
};

std::unique_ptr<RowDecoder> openBitmap(QIODevice& file) {
    std::string error;
    std::optional<BitmapHeader> header = readBitmapHeader(file, error);
    if (!header) throw DecodeError(error);
    return std::make_unique<BitmapRowDecoder>(file, std::move(*header));
}

}  // namespace

std::unique_ptr<RowDecoder> openRowDecoder(QIODevice& file) {
    const QByteArray start = file.peek(kFormatSniffBytes);
    switch (pictureFormatOf({start.constData(), size_t(start.size())})) {
    case PictureFormat::Jpeg: return openJpeg(file);
    case PictureFormat::Bitmap: return openBitmap(file);
    case PictureFormat::Png: return openPng(file);
    case PictureFormat::WebP: return openWebP(file);
    case PictureFormat::Heif:
    case PictureFormat::Avif: return openHeif(file);
    default: return nullptr;
    }
}

}  // namespace skyfolio
