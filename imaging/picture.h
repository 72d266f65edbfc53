#pragma once

#include "files/write_result.h"
#include "imaging/pixels.h"

#include <QImage>

#include <optional>
#include <stdexcept>
#include <string>

namespace skyfolio {

// A picture that could not be read: missing, empty, damaged, not a picture,
// or larger than we are willing to hold in memory.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A picture that is there and readable, but larger than we will decode.
class PictureTooLarge : public PictureError {
public:
    using PictureError::PictureError;
};

// A decoded picture in memory: what a picture box holds.
class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image);

    // The whole picture at its own size. Throws PictureError.
    static Picture load(const std::string& path);
    // The picture at exactly `size`. A JPEG is decoded at the scale nearest
    // that size (M/8 while decoding) and area-averaged as it is decoded, a
    // BMP area-averaged as it is read; other pictures are scaled smoothly.
    // Throws PictureError.
    static Picture loadAtSize(const std::string& path, PictureSize size);
    // The picture in `source` at `size`, of which the top-left `kept` part is
    // written as a BMP file replacing `target` atomically. A BMP and an
    // upright JPEG stream from file to file, so a picture of any size takes
    // the memory of a few rows. Throws PictureError when the picture cannot
    // be read.
    static WriteResult writeBitmapAtSize(const std::string& source, PictureSize size, PictureSize kept,
                                         const std::string& target);
    // The upright size from the file's header, without decoding the pixels.
    static std::optional<PictureSize> probe(const std::string& path);

    bool isNull() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    PictureSize size() const { return {width(), height()}; }

    // The whole picture drawn smoothly into `size`; empty for a zero side.
    Picture scaled(PictureSize size) const;
    // The top-left `size` of the picture (a view clipped at right and bottom).
    Picture topLeft(PictureSize size) const;

    // Write a standard BMP or a JPEG file, replacing `path` atomically.
    WriteResult saveBitmap(const std::string& path) const;
    WriteResult saveJpeg(const std::string& path, int quality) const;

    const QImage& image() const { return image_; }
    // The same pixels for the saver's engine, shared, not copied.
    Pixels pixels() const;

private:
    WriteResult saveAs(const std::string& path, const char* format, int quality) const;

    QImage image_;
};

}  // namespace skyfolio
