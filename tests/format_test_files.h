#pragma once

// Pictures in the formats Skyfolio reads besides JPEG, made by code for the
// tests and the benchmarks.

#include <QImage>

#include <string>
#include <vector>

namespace skyfolio::test {

enum class FileFormat { Png, WebP, Tiff, Heic };
inline constexpr FileFormat kFileFormats[] = {FileFormat::Png, FileFormat::WebP, FileFormat::Tiff, FileFormat::Heic};

// "png", "webp", "tiff" or "heic": the usual suffix of the format's files.
const char* suffixOf(FileFormat format);

struct FileLayout {
    // The EXIF orientation tag, 1 for upright; a HEIC file says it through
    // its own rotation and mirroring instead.
    int orientation = 1;
    // PNG only: the rows in seven passes.
    bool interlaced = false;
    // HEIC only: a thumbnail whose longer side is this long; 0 for none.
    int thumbnail = 0;
};

// Broad colour, sharp edges and stripes still a few pixels wide at 1/8.
QImage photoLike(int width, int height);
// 60 x 20, its left half red and its right half blue: which way it is turned shows.
QImage halfRed();

// Writes `image` in `format` as a camera or an editor would, to `path`.
// Throws std::runtime_error when it cannot.
void writeInFormat(const std::string& path, const QImage& image, FileFormat format, const FileLayout& layout = {});

// An animated WebP file of `frames`, all of one size, half a second each.
void writeAnimatedWebP(const std::string& path, const std::vector<QImage>& frames);

// "Exif\0\0" and a TIFF structure with one orientation tag.
std::string exifWithOrientation(int orientation);

}  // namespace skyfolio::test
