#include "imaging/picture_format.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstdint>

namespace skyfolio {
namespace {

bool startsWith(std::string_view start, std::string_view magic) { return start.substr(0, magic.size()) == magic; }

// HEIF files are ISO media files whose "ftyp" box names a HEIF brand, as the
// major brand or as one it is compatible with (AVIF is HEIF with AV1 inside).
bool isHeif(std::string_view start) {
    constexpr std::array<std::string_view, 12> kBrands = {"heic", "heix", "heim", "heis", "hevc", "hevx",
                                                          "hevm", "hevs", "mif1", "msf1", "avif", "avis"};
    if (start.size() < 16 || start.substr(4, 4) != "ftyp") return false;
    const auto byte = [&](size_t i) { return uint32_t(uint8_t(start[i])); };
    const size_t boxEnd = std::min<size_t>(start.size(), byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3));
    const auto isBrand = [&](size_t at) { return std::ranges::find(kBrands, start.substr(at, 4)) != kBrands.end(); };
    if (isBrand(8)) return true;
    for (size_t at = 16; at + 4 <= boxEnd; at += 4)  // after the minor version
        if (isBrand(at)) return true;
    return false;
}

}  // namespace

PictureFormat pictureFormatOf(std::string_view start) {
    using F = PictureFormat;
    if (startsWith(start, "\xFF\xD8\xFF")) return F::Jpeg;
    if (startsWith(start, "\x89PNG\r\n\x1A\n")) return F::Png;
    if (startsWith(start, "GIF87a") || startsWith(start, "GIF89a")) return F::Gif;
    if (startsWith(start, "BM")) return F::Bitmap;
    if (startsWith(start, "RIFF") && start.size() >= 12 && start.substr(8, 4) == "WEBP") return F::WebP;
    for (std::string_view tiff : {std::string_view("II*\0", 4), std::string_view("MM\0*", 4), std::string_view("II+\0", 4),
                                  std::string_view("MM\0+", 4)})
        if (startsWith(start, tiff)) return F::Tiff;
    if (isHeif(start)) return F::Heif;
    return F::Unknown;
}

PictureFormat pictureFormatOfFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return PictureFormat::Unknown;
    const QByteArray start = file.read(kFormatSniffBytes);
    return pictureFormatOf({start.constData(), size_t(start.size())});
}

}  // namespace skyfolio
