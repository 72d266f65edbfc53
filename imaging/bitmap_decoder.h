#pragma once

#include "imaging/row_sink.h"

#include <QIODevice>
#include <QSize>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyfolio {

// What a BMP file's headers say, checked: everything the rows need to be
// read one by one.
struct BitmapHeader {
    enum class Coding { Plain, BitFields, Rle8, Rle4 };

    QSize size;
    bool topDown = false;  // most files store the bottom row first
    int bitsPerPixel = 0;
    Coding coding = Coding::Plain;
    std::array<uint32_t, 3> masks{};  // red, green, blue of 16 and 32 bits a pixel
    std::vector<uint32_t> palette;        // of 1, 4 and 8 bits a pixel
    qint64 pixelsAt = 0;
};

// Reads and checks the headers and the palette of a BMP file (Windows or
// OS/2, "BM" at the start). A header that contradicts itself or the file's
// length is refused: false and `error`, which begins with kTooLarge when the
// picture is refused for its size alone.
std::optional<BitmapHeader> readBitmapHeader(QIODevice& file, std::string& error);

// Hands `sink` the picture's rows in the order they are stored: the bottom
// row first unless `header.topDown`. Only one row is held at a time. Pixels
// that a compressed file leaves out are black. Returns false and `error` on
// a file cut short, a run past the picture's edge or a colour that is not in
// the palette, when `sink` may hold some of the rows.
bool decodeBitmap(QIODevice& file, const BitmapHeader& header, RowSink& sink, std::string& error);

}  // namespace skyfolio
