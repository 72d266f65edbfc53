#pragma once

#include <QImage>

#include <string>

namespace skyfolio::test {

struct JpegLayout {
    bool progressive = true;
    bool grey = false;
    bool subsampled = true;  // chroma at half size both ways (4:2:0)
    int restartInterval = 0;
    int quality = 90;
};

// Writes `image` as a JPEG laid out as asked, with libjpeg itself.
void writeJpeg(const std::string& path, const QImage& image, const JpegLayout& layout);

// What libjpeg itself decodes from `path` at 1/8 scale.
QImage libjpegAtOneEighth(const std::string& path);

// The mean difference of two pictures of one size, over every channel.
double meanDifference(const QImage& a, const QImage& b);

}  // namespace skyfolio::test
