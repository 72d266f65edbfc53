#pragma once

#include "imaging/row_decoder.h"

#include <QIODevice>

#include <memory>

namespace skyfolio {

// The decoder of our own for the picture in `file`, chosen by its content,
// its header read; none for a picture Qt reads (GIF, TIFF, an animated WebP).
// `file` must outlive the decoder. Throws DecodeError when the file is
// of one of our formats but cannot be read.
std::unique_ptr<RowDecoder> openRowDecoder(QIODevice& file);

}  // namespace skyfolio
