#include "platform/picture.h"

#include "platform/files.h"
#include "platform/jpeg_decoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QTransform>

namespace skyfolio {
namespace {

// No picture file we could show is larger than this.
constexpr long long kMaxPictureFileBytes = 256LL * 1024 * 1024;

// A picture file read into memory, with a reader over it that tells the
// format by the content (a ".dib" file is a whole bitmap file, not Qt's bare
// DIB) and knows the EXIF orientation.
class PictureFile {
public:
    explicit PictureFile(const std::string& path) : path_(path) {
        FileRead file = readWholeFile(path, kMaxPictureFileBytes);
        if (!file.error.empty()) throw PictureError(file.error);
        if (file.bytes.empty() && !fileExists(path)) throw PictureError(path + ": the file does not exist");
        bytes_ = QByteArray::fromStdString(file.bytes);
        // Qt reads a damaged JPEG header for seconds; ours does not.
        if (looksLikeJpeg(view())) {
            jpeg_ = readJpegHeader(view());
            if (!jpeg_) throw PictureError(path + ": not a readable JPEG file");
        }
        buffer_.setData(bytes_);
        reader_.setDevice(&buffer_);
        reader_.setDecideFormatFromContent(true);
    }

    QImageIOHandler::Transformations orientation() { return jpeg_ ? jpeg_->orientation : reader_.transformation(); }
    bool turnsSideways() { return orientation().testFlag(QImageIOHandler::TransformationRotate90); }
    QSize storedSize() { return jpeg_ ? jpeg_->size : reader_.size(); }

    // The picture as stored, scaled by the decoder to cover `atLeast` when the
    // format can do that; full size otherwise.
    QImage decode(QSize atLeast) {
        QImage image;
        std::string error;
        if (jpeg_) {
            image = decodeJpeg(view(), atLeast, error);
        } else {
            image = reader_.read();
            error = reader_.errorString().toStdString();
        }
        if (image.isNull()) throw PictureError(path_ + ": " + error);
        return image;
    }

private:
    std::string_view view() const { return {bytes_.constData(), size_t(bytes_.size())}; }

    std::string path_;
    QByteArray bytes_;
    std::optional<JpegHeader> jpeg_;
    QBuffer buffer_;
    QImageReader reader_;
};

// Turns a picture as its EXIF orientation asks: mirror or flip, then a
// quarter turn clockwise.
QImage upright(QImage image, QImageIOHandler::Transformations orientation) {
    using T = QImageIOHandler;
    if (orientation == T::TransformationNone) return image;
    image = image.mirrored(orientation.testFlag(T::TransformationMirror), orientation.testFlag(T::TransformationFlip));
    if (orientation.testFlag(T::TransformationRotate90)) image = image.transformed(QTransform().rotate(90));
    return image;
}

Picture finish(QImage image, const std::string& path) {
    // One pixel format for everything we draw, whatever the file held.
    if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) throw PictureError(path + ": out of memory");
    return Picture(std::move(image));
}

}  // namespace

Picture::Picture(QImage image) : image_(std::move(image)) {}

Picture Picture::load(const std::string& path) {
    PictureFile file(path);
    return finish(upright(file.decode(QSize()), file.orientation()), path);
}

Picture Picture::loadAtSize(const std::string& path, PictureSize size) {
    if (size.width <= 0 || size.height <= 0) throw PictureError(path + ": no size to decode at");
    PictureFile file(path);
    // The decoder works on the picture as stored, before it is turned.
    const QSize stored = file.turnsSideways() ? QSize(size.height, size.width) : QSize(size.width, size.height);
    Picture picture = finish(upright(file.decode(stored), file.orientation()), path);
    if (picture.size() != size) picture = picture.scaled(size);
    return picture;
}

std::optional<PictureSize> Picture::probe(const std::string& path) {
    try {
        PictureFile file(path);
        const QSize s = file.storedSize();
        if (!s.isValid() || s.isEmpty()) return std::nullopt;
        return file.turnsSideways() ? PictureSize{s.height(), s.width()} : PictureSize{s.width(), s.height()};
    } catch (const PictureError&) {
        return std::nullopt;
    }
}

Picture Picture::scaled(PictureSize size) const {
    if (size.width <= 0 || size.height <= 0 || isNull()) return {};
    return Picture(image_.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

Picture Picture::topLeft(PictureSize size) const {
    if (size.width <= 0 || size.height <= 0 || isNull()) return {};
    return Picture(image_.copy(0, 0, size.width, size.height));
}

WriteResult Picture::saveBitmap(const std::string& path) const { return saveAs(path, "bmp", -1); }

WriteResult Picture::saveJpeg(const std::string& path, int quality) const { return saveAs(path, "jpeg", quality); }

WriteResult Picture::saveAs(const std::string& path, const char* format, int quality) const {
    if (isNull()) return WriteResult::failure(path + ": nothing to write");
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return WriteResult::failure(path + ": " + file.errorString().toStdString());
    QImageWriter writer(&file, format);
    writer.setQuality(quality);
    if (!writer.write(image_)) {
        file.cancelWriting();
        return WriteResult::failure(path + ": " + writer.errorString().toStdString());
    }
    if (!file.commit()) return WriteResult::failure(path + ": " + file.errorString().toStdString());
    return {};
}

}  // namespace skyfolio
