#include "tests/format_test_files.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>

#include <libheif/heif.h>
#include <png.h>
#include <webp/encode.h>
#include <webp/mux.h>

namespace skyfolio::test {
namespace {

std::string littleEndian32(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[size_t(i)] = char(value >> (8 * i) & 0xFF);
    return bytes;
}

std::string written(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    if (!writer.write(image)) throw std::runtime_error(std::string("Qt cannot write ") + format);
    return bytes.toStdString();
}

struct PngWriting {
    ~PngWriting() { png_destroy_write_struct(&png, &info); }
    png_structp png = nullptr;
    png_infop info = nullptr;
};

void appendToString(png_structp png, png_bytep data, size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

// With libpng, as Qt writes no eXIf chunk and no interlaced rows.
std::string pngBytes(const QImage& image, const FileLayout& layout) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::string bytes;
    PngWriting w;
    w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    w.info = png_create_info_struct(w.png);
    if (setjmp(png_jmpbuf(w.png))) throw std::runtime_error("libpng cannot write");
    png_set_write_fn(w.png, &bytes, appendToString, nullptr);
    png_set_IHDR(w.png, w.info, png_uint_32(rgb.width()), png_uint_32(rgb.height()), 8, PNG_COLOR_TYPE_RGB,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    const std::string exif = exifWithOrientation(layout.orientation).substr(6);
    if (layout.orientation != 1)
        png_set_eXIf_1(w.png, w.info, png_uint_32(exif.size()), reinterpret_cast<png_bytep>(const_cast<char*>(exif.data())));
    std::vector<png_bytep> rows(size_t(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) rows[size_t(y)] = const_cast<png_bytep>(rgb.constScanLine(y));
    png_set_rows(w.png, w.info, rows.data());
    png_write_png(w.png, w.info, PNG_TRANSFORM_IDENTITY, nullptr);
    return bytes;
}

// Qt's simple file, put into the extended form that can carry EXIF data.
std::string webpBytes(const QImage& image, const FileLayout& layout) {
    const std::string simple = written(image, "webp");
    if (layout.orientation == 1) return simple;
    const uint32_t w = uint32_t(image.width() - 1), h = uint32_t(image.height() - 1);
    std::string vp8x = "VP8X" + littleEndian32(10) + std::string(1, '\x08') + std::string(3, '\0');
    vp8x += littleEndian32(w).substr(0, 3) + littleEndian32(h).substr(0, 3);
    std::string exif = exifWithOrientation(layout.orientation).substr(6);
    const uint32_t exifLength = uint32_t(exif.size());
    if (exif.size() % 2) exif += '\0';
    const std::string body = "WEBP" + vp8x + simple.substr(12) + "EXIF" + littleEndian32(exifLength) + exif;
    return "RIFF" + littleEndian32(uint32_t(body.size())) + body;
}

std::string tiffBytes(const QImage& image, const FileLayout& layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    constexpr std::array<QImageIOHandler::Transformations::enum_type, 9> kByTag = {
        QImageIOHandler::TransformationNone,          QImageIOHandler::TransformationNone,
        QImageIOHandler::TransformationMirror,        QImageIOHandler::TransformationRotate180,
        QImageIOHandler::TransformationFlip,          QImageIOHandler::TransformationFlipAndRotate90,
        QImageIOHandler::TransformationRotate90,      QImageIOHandler::TransformationMirrorAndRotate90,
        QImageIOHandler::TransformationRotate270};
    writer.setTransformation(kByTag.at(size_t(layout.orientation)));
    if (!writer.write(image)) throw std::runtime_error("Qt cannot write TIFF");
    return bytes.toStdString();
}

void check(heif_error error) {
    if (error.code != heif_error_Ok) throw std::runtime_error(std::string("libheif: ") + error.message);
}

heif_error appendTo(heif_context*, const void* data, size_t size, void* bytes) {
    static_cast<std::string*>(bytes)->append(static_cast<const char*>(data), size);
    return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

std::string heicBytes(const QImage& image, const FileLayout& layout) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const std::unique_ptr<heif_context, void (*)(heif_context*)> context(heif_context_alloc(), heif_context_free);
    heif_image* picture = nullptr;
    check(heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &picture));
    const std::unique_ptr<heif_image, void (*)(const heif_image*)> owned(picture, heif_image_release);
    check(heif_image_add_plane(picture, heif_channel_interleaved, rgb.width(), rgb.height(), 8));
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(picture, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y) std::memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);

    heif_encoder* encoder = nullptr;
    check(heif_context_get_encoder_for_format(context.get(), heif_compression_HEVC, &encoder));
    const std::unique_ptr<heif_encoder, void (*)(heif_encoder*)> ownedEncoder(encoder, heif_encoder_release);
    check(heif_encoder_set_lossy_quality(encoder, 95));
    const std::unique_ptr<heif_encoding_options, void (*)(heif_encoding_options*)> options(heif_encoding_options_alloc(),
                                                                                          heif_encoding_options_free);
    options->image_orientation = heif_orientation(layout.orientation);
    heif_image_handle* handle = nullptr;
    check(heif_context_encode_image(context.get(), picture, encoder, options.get(), &handle));
    const std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle*)> ownedHandle(handle,
                                                                                            heif_image_handle_release);
    if (layout.thumbnail > 0)
        check(heif_context_encode_thumbnail(context.get(), picture, handle, encoder, options.get(), layout.thumbnail,
                                            nullptr));
    std::string bytes;
    heif_writer writer{1, appendTo};
    check(heif_context_write(context.get(), &writer, &bytes));
    return bytes;
}

void writeBytes(const std::string& path, const std::string& bytes) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        throw std::runtime_error("cannot write " + path);
}

}  // namespace

QImage photoLike(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, w, h);
    sky.setColorAt(0, QColor(30, 60, 150));
    sky.setColorAt(1, QColor(240, 180, 90));
    painter.fillRect(image.rect(), sky);
    for (int x = 0; x < w; x += 80) painter.fillRect(x, h / 2, 30, h / 2, QColor(20, 90, 40));
    painter.fillRect(w / 5, h / 5, w / 4, h / 3, Qt::white);
    return image;
}

QImage halfRed() {
    QImage image(60, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, 30, 20, Qt::red);
    return image;
}

void writeAnimatedWebP(const std::string& path, const std::vector<QImage>& frames) {
    WebPAnimEncoderOptions options;
    WebPConfig config;
    if (frames.empty() || !WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config))
        throw std::runtime_error("libwebp cannot start");
    const int w = frames.front().width(), h = frames.front().height();
    const std::unique_ptr<WebPAnimEncoder, void (*)(WebPAnimEncoder*)> encoder(WebPAnimEncoderNew(w, h, &options),
                                                                               WebPAnimEncoderDelete);
    int time = 0;
    for (const QImage& frame : frames) {
        const QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888);
        WebPPicture picture;
        WebPPictureInit(&picture);
        picture.use_argb = 1;
        picture.width = w;
        picture.height = h;
        const bool added = WebPPictureImportRGBA(&picture, rgba.constBits(), int(rgba.bytesPerLine())) &&
                           WebPAnimEncoderAdd(encoder.get(), &picture, time, &config);
        WebPPictureFree(&picture);
        if (!added) throw std::runtime_error("libwebp cannot add a frame");
        time += 500;
    }
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAdd(encoder.get(), nullptr, time, nullptr) || !WebPAnimEncoderAssemble(encoder.get(), &data))
        throw std::runtime_error("libwebp cannot assemble the animation");
    const std::string bytes(reinterpret_cast<const char*>(data.bytes), data.size);
    WebPDataClear(&data);
    writeBytes(path, bytes);
}

std::string exifWithOrientation(int orientation) {
    // Little-endian TIFF header, one directory entry: 0x0112 SHORT 1 = orientation.
    std::string exif("Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 24);
    exif += char(orientation);
    exif += std::string(3, '\0');
    exif += std::string(4, '\0');
    return exif;
}

const char* suffixOf(FileFormat format) {
    switch (format) {
    case FileFormat::Png: return "png";
    case FileFormat::WebP: return "webp";
    case FileFormat::Tiff: return "tiff";
    case FileFormat::Heic: return "heic";
    }
    return "";
}

void writeInFormat(const std::string& path, const QImage& image, FileFormat format, const FileLayout& layout) {
    switch (format) {
    case FileFormat::Png: writeBytes(path, pngBytes(image, layout)); return;
    case FileFormat::WebP: writeBytes(path, webpBytes(image, layout)); return;
    case FileFormat::Tiff: writeBytes(path, tiffBytes(image, layout)); return;
    case FileFormat::Heic: writeBytes(path, heicBytes(image, layout)); return;
    }
}

}  // namespace skyfolio::test
