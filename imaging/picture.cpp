#include "imaging/picture.h"

#include "imaging/bitmap_length.h"
#include "imaging/bitmap_writer.h"
#include "imaging/image_rows.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/picture_limits.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QTransform>

#include <algorithm>

namespace skyfolio {
namespace {


// A picture file, open for reading, with a reader that tells the format by
// the content (a ".dib" file is a whole bitmap file, not Qt's bare DIB) and
// knows the EXIF orientation. The file is streamed, never held whole.
class PictureFile {
public:
    explicit PictureFile(const std::string& path) : path_(path), file_(QString::fromStdString(path)) {
        if (!file_.exists()) throw PictureError(path + ": the file does not exist");
        if (!file_.open(QIODevice::ReadOnly)) throw PictureError(path + ": " + file_.errorString().toStdString());
        if (file_.size() > kMaxPictureBytes) throw PictureError(path + ": the file is too large");
        const QByteArray start = file_.peek(3);
        // Qt reads a damaged JPEG header for seconds; ours does not.
        if (looksLikeJpeg({start.constData(), size_t(start.size())})) {
            jpeg_ = readJpegHeader(file_);
            if (!jpeg_) throw PictureError(path + ": not a readable JPEG file");
        } else {
            if (bitmapIsCutShort(file_)) throw PictureError(path + ": the picture data is cut short");
            reader_.setDevice(&file_);
            reader_.setDecideFormatFromContent(true);
        }
    }

    QImageIOHandler::Transformations orientation() { return jpeg_ ? jpeg_->orientation : reader_.transformation(); }
    bool turnsSideways() { return orientation().testFlag(QImageIOHandler::TransformationRotate90); }
    QSize storedSize() { return jpeg_ ? jpeg_->size : reader_.size(); }

    // The picture as stored: a JPEG at `size` when it decodes straight to
    // that size, other pictures whole.
    QImage decode(QSize size) {
        if (!jpeg_) {
            QImage image = reader_.read();
            if (image.isNull()) throw PictureError(path_ + ": " + reader_.errorString().toStdString());
            return image;
        }
        const QSize rows = !size.isEmpty() && decodesStraightTo(jpeg_->size, size) ? size : jpeg_->size;
        ImageRows image(rows);
        if (image.isNull()) throw PictureError(path_ + ": the picture is too large");
        decodeInto(rows, image);
        return image.take();
    }

    // True for a JPEG stored upright that decodes straight to `size`: its
    // rows can go where they are needed as they are decoded.
    bool streamsAt(QSize size) {
        return jpeg_ && jpeg_->orientation == QImageIOHandler::TransformationNone && decodesStraightTo(jpeg_->size, size);
    }
    void decodeInto(QSize size, RowSink& sink) {
        std::string error;
        if (!decodeJpeg(file_, size, sink, error)) throw PictureError(path_ + ": " + error);
    }

private:
    std::string path_;
    QFile file_;
    std::optional<JpegHeader> jpeg_;
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

Picture atSize(PictureFile& file, PictureSize size, const std::string& path) {
    // The decoder works on the picture as stored, before it is turned.
    const QSize stored = file.turnsSideways() ? QSize(size.height, size.width) : QSize(size.width, size.height);
    Picture picture = finish(upright(file.decode(stored), file.orientation()), path);
    if (picture.size() != size) picture = picture.scaled(size);
    return picture;
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
    return atSize(file, size, path);
}

WriteResult Picture::writeBitmapAtSize(const std::string& source, PictureSize size, PictureSize kept,
                                       const std::string& target) {
    if (size.width <= 0 || size.height <= 0) throw PictureError(source + ": no size to decode at");
    kept = {std::clamp(kept.width, 1, size.width), std::clamp(kept.height, 1, size.height)};
    PictureFile file(source);
    const QSize wanted(size.width, size.height);
    if (!file.streamsAt(wanted)) return atSize(file, size, source).topLeft(kept).saveBitmap(target);
    BitmapWriter writer(target, QSize(kept.width, kept.height));
    file.decodeInto(wanted, writer);
    return writer.finish();
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

Pixels Picture::pixels() const {
    if (isNull()) return {};
    // Every picture is RGB32 (see finish()), whose pixels are the engine's.
    auto kept = std::make_shared<const QImage>(image_.format() == QImage::Format_RGB32
                                                   ? image_
                                                   : image_.convertToFormat(QImage::Format_RGB32));
    const auto* first = reinterpret_cast<const uint32_t*>(kept->constBits());
    return Pixels(size(), first, kept->bytesPerLine() / std::ptrdiff_t(sizeof(uint32_t)), kept);
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
