#include "imaging/png_decoder.h"

#include "imaging/area_scaler.h"
#include "imaging/exif_orientation.h"
#include "imaging/picture_limits.h"
#include "imaging/qt_sizes.h"

#include <QImage>

#include <csetjmp>
#include <string>
#include <vector>

#include <png.h>

namespace skyfolio {
namespace {

// libpng's state, freed also when the decoder's constructor throws.
struct PngReading {
    PngReading() = default;
    ~PngReading() { png_destroy_read_struct(&png, &info, nullptr); }
    PngReading(const PngReading&) = delete;
    PngReading& operator=(const PngReading&) = delete;

    png_structp png = nullptr;
    png_infop info = nullptr;
};

class PngDecoder : public RowDecoder {
public:
    explicit PngDecoder(QIODevice& file);

    QSize size() const override { return size_; }
    QImageIOHandler::Transformations orientation() const override { return orientation_; }
    bool decodesStraightTo(QSize size) const override { return scalesWellByArea(pictureSize(size_), pictureSize(size)); }
    void decode(QSize size, RowSink& sink) override;

private:
    static void onError(png_structp png, png_const_charp message);
    static void onWarning(png_structp, png_const_charp) {}
    static void readFromDevice(png_structp png, png_bytep data, size_t length);

    // Every row as one RGB32 pixel a column, whatever the file stores.
    void askForRgb32();
    void decodeRows(RowSink& out);
    void decodeInterlaced(std::vector<png_bytep>& rows);

    PngReading reading_;
    png_structp& png_ = reading_.png;
    png_infop& info_ = reading_.info;
    std::string error_;
    QSize size_;
    QImageIOHandler::Transformations orientation_ = QImageIOHandler::TransformationNone;
    int passes_ = 1;
    bool decoded_ = false;
    std::vector<uint32_t> row_;
};

PngDecoder::PngDecoder(QIODevice& file) {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, this, onError, onWarning);
    if (png_) info_ = png_create_info_struct(png_);
    if (!info_) throw DecodeError("out of memory");
    if (!file.seek(0)) throw DecodeError("the file cannot be read again");
    png_set_read_fn(png_, &file, readFromDevice);
    if (setjmp(png_jmpbuf(png_))) throw DecodeError("not a readable PNG file: " + error_);
    png_read_info(png_, info_);
    // Every pixel is inflated, even for a small copy: a small file of one
    // colour can claim billions of them.
    const long long width = png_get_image_width(png_, info_);
    const long long height = png_get_image_height(png_, info_);
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxStreamedPixels)
        throw DecodeError(tooLarge(width, height));
    size_ = QSize(int(width), int(height));
    png_uint_32 exifBytes = 0;
    png_bytep exif = nullptr;
    if (png_get_eXIf_1(png_, info_, &exifBytes, &exif) && exif) orientation_ = exifOrientation(exif, exifBytes);
    askForRgb32();
}

void PngDecoder::onError(png_structp png, png_const_charp message) {
    static_cast<PngDecoder*>(png_get_error_ptr(png))->error_ = message;
    png_longjmp(png, 1);
}

void PngDecoder::readFromDevice(png_structp png, png_bytep data, size_t length) {
    auto* device = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (device->read(reinterpret_cast<char*>(data), qint64(length)) != qint64(length))
        png_error(png, "the picture data is cut short");
}

void PngDecoder::askForRgb32() {
    png_set_palette_to_rgb(png_);
    png_set_expand_gray_1_2_4_to_8(png_);
    png_set_scale_16(png_);
    // The colours as stored, as Qt shows a transparent picture without its alpha.
    png_set_strip_alpha(png_);
    png_set_gray_to_rgb(png_);
    png_set_bgr(png_);  // BGRX bytes are a QImage RGB32 pixel
    png_set_filler(png_, 0xFF, PNG_FILLER_AFTER);
    passes_ = png_set_interlace_handling(png_);
    png_read_update_info(png_, info_);
}

void PngDecoder::decode(QSize size, RowSink& sink) {
    if (decoded_) throw DecodeError("the file cannot be read again");
    decoded_ = true;
    RowsAtSize out(pictureSize(size_), pictureSize(size), sink);
    if (passes_ == 1) {
        row_.resize(size_t(size_.width()));
        decodeRows(out);
        return;
    }
    QImage whole;
    if (qint64(size_.width()) * size_.height() * 4 <= kMaxPictureBytes) whole = QImage(size_, QImage::Format_RGB32);
    if (whole.isNull()) throw DecodeError(tooLarge(size_.width(), size_.height()));
    std::vector<png_bytep> rows(size_t(size_.height()));
    for (int y = 0; y < size_.height(); ++y) rows[size_t(y)] = whole.scanLine(y);
    decodeInterlaced(rows);
    for (int y = 0; y < size_.height(); ++y) out.addRow(reinterpret_cast<const uint32_t*>(whole.constScanLine(y)));
}

// Nothing here may need destroying: an error jumps back past it.
void PngDecoder::decodeRows(RowSink& out) {
    if (setjmp(png_jmpbuf(png_))) throw DecodeError(error_);
    for (int y = 0; y < size_.height(); ++y) {
        png_read_row(png_, reinterpret_cast<png_bytep>(row_.data()), nullptr);
        out.addRow(row_.data());
    }
}

void PngDecoder::decodeInterlaced(std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png_))) throw DecodeError(error_);
    png_read_image(png_, rows.data());
}

}  // namespace

std::unique_ptr<RowDecoder> openPng(QIODevice& file) { return std::make_unique<PngDecoder>(file); }

}  // namespace skyfolio
