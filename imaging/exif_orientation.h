#pragma once

#include <QImageIOHandler>

#include <cstddef>
#include <string>

namespace skyfolio {

// The orientation tag of EXIF data: a TIFF structure, as a PNG or WebP file
// holds it, or with the "Exif\0\0" prefix of a JPEG's APP1 marker. Every
// offset is checked, the data may be hostile; no tag means upright.
QImageIOHandler::Transformations exifOrientation(const unsigned char* data, size_t size);

// When the photo was taken (DateTimeOriginal of the EXIF directory), as the
// data holds it: "YYYY:MM:DD HH:MM:SS"; empty when it does not say.
std::string exifDateTaken(const unsigned char* data, size_t size);

}  // namespace skyfolio
