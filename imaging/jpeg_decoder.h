#pragma once

#include "imaging/row_sink.h"

#include <QIODevice>
#include <QImageIOHandler>
#include <QSize>

#include <optional>
#include <string>

namespace skyfolio {

struct JpegHeader {
    QSize size;                                    // as stored
    QImageIOHandler::Transformations orientation;  // from the EXIF data
    std::string dateTaken;                         // from the EXIF data, as exifDateTaken gives it
};

// The header alone, without decoding any picture data.
std::optional<JpegHeader> readJpegHeader(QIODevice& file);

// True when a picture stored at `stored` decodes straight to `size`: some
// M/8 scale of it is nearly that size.
bool decodesStraightTo(QSize stored, QSize size);

// Decodes a JPEG file with libjpeg-turbo, streaming it from `file`, and hands
// `sink` the rows of the picture at exactly `size`, which it must decode
// straight to (its own size will do). The picture is decoded at the smallest
// M/8 scale that gives nearly `size` (at 1/8 a progressive photo is built
// from its DC coefficients alone, see jpeg_dc_decoder.h) and area-averaged
// row by row, so that memory follows a few rows, not the photo. Hostile files
// are cut short: too many scans (progressive files can make a decoder spin
// for minutes), too many corrupt-data warnings, or more memory needed than we
// allow. Returns false and `error` on failure, when `sink` may hold some of
// the rows.
bool decodeJpeg(QIODevice& file, QSize size, RowSink& sink, std::string& error);

}  // namespace skyfolio
