#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QSize>

#include <optional>

#include <string>
#include <string_view>

namespace skyfolio {

bool looksLikeJpeg(std::string_view bytes);

struct JpegHeader {
    QSize size;                                    // as stored
    QImageIOHandler::Transformations orientation;  // from the EXIF data
};

// The header alone, without decoding any picture data.
std::optional<JpegHeader> readJpegHeader(std::string_view bytes);

// Decodes a JPEG file held in memory with libjpeg-turbo. With `atLeast` set,
// the decoder scales by the smallest M/8 that still covers that size, which is
// how a 12-megapixel photo becomes a small picture without ever being held
// whole. Hostile files are cut short: too many scans (progressive files can
// make a decoder spin for minutes), too many corrupt-data warnings, or a
// picture too large to hold. Returns a null image and `error` on failure.
QImage decodeJpeg(std::string_view bytes, QSize atLeast, std::string& error);

}  // namespace skyfolio
