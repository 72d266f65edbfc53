#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skyfolio {

// The picture formats we read, told by a file's first bytes, never by its name.
enum class PictureFormat { Unknown, Jpeg, Png, Gif, Bitmap, WebP, Tiff, Heif, Avif };
inline constexpr size_t kPictureFormatCount = size_t(PictureFormat::Avif) + 1;

// Enough of a file's start to tell its format.
inline constexpr int kFormatSniffBytes = 64;

PictureFormat pictureFormatOf(std::string_view start);
// Unknown also when the file cannot be read.
PictureFormat pictureFormatOfFile(const std::string& path);

// Whether this build reads the format: some depend on the Qt plugins or the
// libheif decoders installed.
bool buildReads(PictureFormat format);

}  // namespace skyfolio
