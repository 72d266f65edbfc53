#include "imaging/picture_format.h"

#include "imaging/heif_decoder.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace skyfolio {
namespace {

bool startsWith(std::string_view start, std::string_view magic) { return start.substr(0, magic.size()) == magic; }

// "BM" and the length of one of the bitmap info headers there are: two
// letters alone start many a text file.
bool isBitmap(std::string_view start) {
    constexpr std::array<uint8_t, 8> kInfoHeaderBytes = {12, 16, 40, 52, 56, 64, 108, 124};
    if (start.size() < 18 || !startsWith(start, "BM") || start.substr(15, 3) != std::string_view("\0\0\0", 3)) return false;
    return std::ranges::find(kInfoHeaderBytes, uint8_t(start[14])) != kInfoHeaderBytes.end();
}

// HEIF files are ISO media files whose "ftyp" box names a HEIF brand, as the
// major brand or as one it is compatible with; AVIF is HEIF with AV1 inside.
PictureFormat heifFormatOf(std::string_view start) {
    constexpr std::array<std::string_view, 10> kHeifBrands = {"heic", "heix", "heim", "heis", "hevc",
                                                              "hevx", "hevm", "hevs", "mif1", "msf1"};
    constexpr std::array<std::string_view, 2> kAvifBrands = {"avif", "avis"};
    if (start.size() < 16 || start.substr(4, 4) != "ftyp") return PictureFormat::Unknown;
    const auto byte = [&](size_t i) { return uint32_t(uint8_t(start[i])); };
    const size_t boxEnd = std::min<size_t>(start.size(), byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3));
    std::vector<std::string_view> brands = {start.substr(8, 4)};
    for (size_t at = 16; at + 4 <= boxEnd; at += 4) brands.push_back(start.substr(at, 4));  // after the minor version
    const auto names = [&](const auto& wanted) {
        return std::ranges::any_of(brands, [&](std::string_view b) { return std::ranges::find(wanted, b) != wanted.end(); });
    };
    if (names(kAvifBrands)) return PictureFormat::Avif;
    return names(kHeifBrands) ? PictureFormat::Heif : PictureFormat::Unknown;
}

}  // namespace

PictureFormat pictureFormatOf(std::string_view start) {
    using F = PictureFormat;
    if (startsWith(start, "\xFF\xD8\xFF")) return F::Jpeg;
    if (startsWith(start, "\x89PNG\r\n\x1A\n")) return F::Png;
    if (startsWith(start, "GIF87a") || startsWith(start, "GIF89a")) return F::Gif;
    if (isBitmap(start)) return F::Bitmap;
    if (startsWith(start, "RIFF") && start.size() >= 12 && start.substr(8, 4) == "WEBP") return F::WebP;
    for (std::string_view tiff : {std::string_view("II*\0", 4), std::string_view("MM\0*", 4), std::string_view("II+\0", 4),
                                  std::string_view("MM\0+", 4)})
        if (startsWith(start, tiff)) return F::Tiff;
    return heifFormatOf(start);
}

bool buildReads(PictureFormat format) {
    const auto qtReads = [](const char* name) { return QImageReader::supportedImageFormats().contains(name); };
    switch (format) {
    case PictureFormat::Jpeg:
    case PictureFormat::Png:
    case PictureFormat::Bitmap:
    case PictureFormat::WebP: return true;
    case PictureFormat::Gif: return qtReads("gif");
    case PictureFormat::Tiff: return qtReads("tiff");
    case PictureFormat::Heif: return libheifDecodesHeic();
    case PictureFormat::Avif: return libheifDecodesAvif();
    case PictureFormat::Unknown: return false;
    }
    return false;
}

PictureFormat pictureFormatOfFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return PictureFormat::Unknown;
    const QByteArray start = file.read(kFormatSniffBytes);
    return pictureFormatOf({start.constData(), size_t(start.size())});
}

}  // namespace skyfolio
