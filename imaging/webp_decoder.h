#pragma once

#include "imaging/row_decoder.h"

#include <QIODevice>

#include <memory>

namespace skyfolio {

// A still WebP file read with libwebp, which scales while it decodes: the
// picture is made at the size needed and handed on row by row as the file
// streams in. The orientation comes from the file's EXIF chunk. None for an
// animated file, whose first frame Qt composes. Throws DecodeError.
std::unique_ptr<RowDecoder> openWebP(QIODevice& file);

}  // namespace skyfolio
