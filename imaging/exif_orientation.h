#pragma once

#include <QImageIOHandler>

#include <cstddef>

namespace skyfolio {

// The orientation tag of EXIF data: a TIFF structure, as a PNG or WebP file
// holds it, or with the "Exif\0\0" prefix of a JPEG's APP1 marker. Every
// offset is checked, the data may be hostile; no tag means upright.
QImageIOHandler::Transformations exifOrientation(const unsigned char* data, size_t size);

}  // namespace skyfolio
