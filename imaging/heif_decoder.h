#pragma once

#include "imaging/row_decoder.h"

#include <QIODevice>

#include <memory>

namespace skyfolio {

// The primary picture of a HEIF file (HEIC from a phone, or AVIF), read with
// libheif. Where the file holds a thumbnail large enough for the size needed,
// that is decoded instead of the photo. libheif turns the picture upright as
// the file's own rotation and mirroring say, so it is always upright here.
// `file` must outlive the decoder. Throws DecodeError.
std::unique_ptr<RowDecoder> openHeif(QIODevice& file);

// Whether libheif, as installed, decodes HEIC pictures (HEVC) or AVIF ones (AV1).
bool libheifDecodesHeic();
bool libheifDecodesAvif();

}  // namespace skyfolio
