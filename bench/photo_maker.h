#pragma once

#include "tests/format_test_files.h"

#include <string>
#include <vector>

namespace skyfolio::bench {

struct PhotoKind {
    int width = 4000;
    int height = 3000;
    bool progressive = false;
    unsigned seed = 1;
    int quality = 90;
};

// Writes a JPEG that costs a decoder what a camera photo costs: brightness
// with detail at every scale, hard-edged shapes and sensor noise, colour that
// changes slowly, 4:2:0 sampled. Made row by row, so a photo of any size
// takes little memory to make. False when the file cannot be written.
bool makePhoto(const std::string& path, const PhotoKind& kind);

// Writes a 24-bit BMP file of a smooth picture with grain, stored bottom up
// as most are, row by row. False when the file cannot be written.
bool makeBitmap(const std::string& path, int width, int height);

// The photos the measurements convert: 20 of 12 megapixels, as a camera
// makes them, every fourth saved progressive as an edited photo often is.
struct PhotoList {
    std::vector<std::string> all;
    std::vector<std::string> baseline;
    std::vector<std::string> progressive;
};
PhotoList makePhotoList(const std::string& folder);

// The first `count` photos of the list written again in `format`, as a
// phone, a screenshot tool, a web site or a scanner would keep them.
std::vector<std::string> photosInFormat(const PhotoList& list, test::FileFormat format, int count,
                                        const std::string& folder);

}  // namespace skyfolio::bench
