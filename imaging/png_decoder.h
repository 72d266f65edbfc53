#pragma once

#include "imaging/row_decoder.h"

#include <QIODevice>

#include <memory>

namespace skyfolio {

// A PNG file read with libpng, its header read at once. The rows stream
// through the area scaler as they are decoded; only an interlaced file, whose
// rows come in seven passes, is held whole. The orientation comes from an
// eXIf chunk before the picture data. Reads `file` from its start, once.
// Throws DecodeError.
std::unique_ptr<RowDecoder> openPng(QIODevice& file);

}  // namespace skyfolio
