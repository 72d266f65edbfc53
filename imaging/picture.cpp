#include "imaging/picture.h"

#include "imaging/bitmap_writer.h"
#include "imaging/image_rows.h"
#include "imaging/picture_limits.h"
#include "imaging/row_decoders.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QTransform>

#include <algorithm>
#include <memory>

namespace skyfolio {
namespace {

[[noreturn]] void refuse(const std::string& path, const std::string& why) {
    if (why.starts_with(kTooLarge)) throw PictureTooLarge(path + ": " + why);
    throw PictureError(path + ": " + why);
}

[[noreturn]] void refuseSize(const std::string& path, QSize size) {
    refuse(path, tooLarge(size.width(), size.height()));
}

// A picture file, open for reading, with a decoder of our own for the
// formats we stream (see row_decoders.h) and Qt's reader for the rest, which
// tells the format by the content and knows the EXIF orientation. The file is
// streamed, never held whole.
class PictureFile {
public:
    explicit PictureFile(const std::string& path) : path_(path), file_(QString::fromStdString(path)) {
        if (!file_.exists()) throw PictureError(path + ": the file does not exist");
        if (!file_.open(QIODevice::ReadOnly)) throw PictureError(path + ": " + file_.errorString().toStdString());
        try {
            rows_ = openRowDecoder(file_);
        } catch (const DecodeError& e) {
            refuse(path, e.what());
        }
        if (!rows_) {
            // Read whole by Qt, so the file's own length is a first bound.
            if (file_.size() > kMaxPictureBytes) refuse(path, std::string(kTooLarge) + ": the file is over 256 MB");
            if (file_.pos() != 0 && !file_.seek(0)) throw PictureError(path + ": the file cannot be read again");
            reader_.setDevice(&file_);
            reader_.setDecideFormatFromContent(true);
        }
    }

    QImageIOHandler::Transformations orientation() { return rows_ ? rows_->orientation() : reader_.transformation(); }
    bool turnsSideways() { return orientation().testFlag(QImageIOHandler::TransformationRotate90); }
    QSize storedSize() { return rows_ ? rows_->size() : reader_.size(); }

    // The picture as stored: at `size` when our decoder makes that size
    // straight away, otherwise whole.
    QImage decode(QSize size) {
        if (!rows_) {
            const QSize stored = reader_.size();
            if (stored.isValid() && qint64(stored.width()) * stored.height() * 4 > kMaxPictureBytes) refuseSize(path_, stored);
            QImage image = reader_.read();
            if (image.isNull()) throw PictureError(path_ + ": " + reader_.errorString().toStdString());
            return image;
        }
        const QSize rows = !size.isEmpty() && rows_->decodesStraightTo(size) ? size : rows_->size();
        ImageRows image(rows, rows_->rowOrder());
        if (image.isNull()) refuseSize(path_, rows);
        decodeInto(rows, image);
        return image.take();
    }

    // True for a picture stored upright that our decoder makes straight at
    // `size`: its rows can go where they are needed as they are decoded.
    bool streamsAt(QSize size) {
        return rows_ && rows_->orientation() == QImageIOHandler::TransformationNone && rows_->decodesStraightTo(size);
    }
    // The order in which decodeInto hands over the rows.
    RowOrder rowOrder() const { return rows_ ? rows_->rowOrder() : RowOrder::TopDown; }
    void decodeInto(QSize size, RowSink& sink) {
        try {
            rows_->decode(size, sink);
        } catch (const DecodeError& e) {
            refuse(path_, e.what());
        }
    }

private:
    std::string path_;
    QFile file_;
    std::unique_ptr<RowDecoder> rows_;
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
    BitmapWriter writer(target, QSize(kept.width, kept.height), file.rowOrder(), wanted.height());
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
