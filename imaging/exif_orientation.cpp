#include "imaging/exif_orientation.h"

#include <cstring>
#include <iterator>

namespace skyfolio {
namespace {

constexpr unsigned kOrientationTag = 0x0112;
constexpr size_t kTiffHeaderBytes = 8;
constexpr size_t kEntryBytes = 12;

}  // namespace

QImageIOHandler::Transformations exifOrientation(const unsigned char* data, size_t size) {
    using T = QImageIOHandler;
    if (size >= 6 && std::memcmp(data, "Exif\0\0", 6) == 0) {
        data += 6;
        size -= 6;
    }
    if (size < kTiffHeaderBytes) return T::TransformationNone;
    const unsigned char* tiff = data;
    const bool little = tiff[0] == 'I' && tiff[1] == 'I';
    if (!little && !(tiff[0] == 'M' && tiff[1] == 'M')) return T::TransformationNone;
    const auto u16 = [&](size_t at) -> unsigned { return little ? tiff[at] | tiff[at + 1] << 8 : tiff[at] << 8 | tiff[at + 1]; };
    const auto u32 = [&](size_t at) -> size_t { return little ? u16(at) | size_t(u16(at + 2)) << 16 : size_t(u16(at)) << 16 | u16(at + 2); };
    const size_t directory = u32(4);
    if (directory > size - 2) return T::TransformationNone;
    const unsigned entries = u16(directory);
    for (unsigned i = 0; i < entries; ++i) {
        const size_t entry = directory + 2 + size_t(i) * kEntryBytes;
        if (entry + kEntryBytes > size) break;
        if (u16(entry) != kOrientationTag) continue;
        constexpr T::Transformations byTag[] = {
            T::TransformationNone,          T::TransformationNone,         T::TransformationMirror,
            T::TransformationRotate180,     T::TransformationFlip,         T::TransformationFlipAndRotate90,
            T::TransformationRotate90,      T::TransformationMirrorAndRotate90, T::TransformationRotate270};
        const unsigned tag = u16(entry + 8);
        return tag < std::size(byTag) ? byTag[tag] : T::TransformationNone;
    }
    return T::TransformationNone;
}

}  // namespace skyfolio
