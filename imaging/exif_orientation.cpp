#include "imaging/exif_orientation.h"

#include <cstring>
#include <iterator>
#include <optional>

namespace skyfolio {
namespace {

constexpr unsigned kOrientationTag = 0x0112;
constexpr unsigned kExifDirectoryTag = 0x8769;
constexpr unsigned kDateTimeOriginalTag = 0x9003;
constexpr unsigned kAsciiType = 2;
constexpr size_t kTiffHeaderBytes = 8;
constexpr size_t kEntryBytes = 12;
// "YYYY:MM:DD HH:MM:SS"
constexpr size_t kDateTimeChars = 19;

// The TIFF structure of EXIF data, every offset checked against its size.
class Tiff {
public:
    Tiff(const unsigned char* data, size_t size) {
        if (size >= 6 && std::memcmp(data, "Exif\0\0", 6) == 0) {
            data += 6;
            size -= 6;
        }
        if (size < kTiffHeaderBytes) return;
        little_ = data[0] == 'I' && data[1] == 'I';
        if (!little_ && !(data[0] == 'M' && data[1] == 'M')) return;
        data_ = data;
        size_ = size;
    }

    // The entry of `tag` in the directory at `directory`; none when there is none.
    std::optional<size_t> entry(size_t directory, unsigned tag) const {
        if (!data_ || directory > size_ - 2) return std::nullopt;
        const unsigned entries = u16(directory);
        for (unsigned i = 0; i < entries; ++i) {
            const size_t at = directory + 2 + size_t(i) * kEntryBytes;
            if (at + kEntryBytes > size_) break;
            if (u16(at) == tag) return at;
        }
        return std::nullopt;
    }
    size_t firstDirectory() const { return data_ ? u32(4) : size_; }

    unsigned u16(size_t at) const { return little_ ? data_[at] | data_[at + 1] << 8 : data_[at] << 8 | data_[at + 1]; }
    size_t u32(size_t at) const {
        return little_ ? u16(at) | size_t(u16(at + 2)) << 16 : size_t(u16(at)) << 16 | u16(at + 2);
    }
    const unsigned char* bytes(size_t at, size_t count) const {
        return at <= size_ && count <= size_ - at ? data_ + at : nullptr;
    }

private:
    const unsigned char* data_ = nullptr;
    size_t size_ = 0;
    bool little_ = false;
};

}  // namespace

QImageIOHandler::Transformations exifOrientation(const unsigned char* data, size_t size) {
    using T = QImageIOHandler;
    const Tiff tiff(data, size);
    const std::optional<size_t> entry = tiff.entry(tiff.firstDirectory(), kOrientationTag);
    if (!entry) return T::TransformationNone;
    constexpr T::Transformations byTag[] = {
        T::TransformationNone,          T::TransformationNone,         T::TransformationMirror,
        T::TransformationRotate180,     T::TransformationFlip,         T::TransformationFlipAndRotate90,
        T::TransformationRotate90,      T::TransformationMirrorAndRotate90, T::TransformationRotate270};
    const unsigned tag = tiff.u16(*entry + 8);
    return tag < std::size(byTag) ? byTag[tag] : T::TransformationNone;
}

std::string exifDateTaken(const unsigned char* data, size_t size) {
    const Tiff tiff(data, size);
    const std::optional<size_t> exif = tiff.entry(tiff.firstDirectory(), kExifDirectoryTag);
    if (!exif) return {};
    const std::optional<size_t> date = tiff.entry(tiff.u32(*exif + 8), kDateTimeOriginalTag);
    if (!date || tiff.u16(*date + 2) != kAsciiType || tiff.u32(*date + 4) < kDateTimeChars) return {};
    const unsigned char* text = tiff.bytes(tiff.u32(*date + 8), kDateTimeChars);
    if (!text) return {};
    std::string taken(reinterpret_cast<const char*>(text), kDateTimeChars);
    // Cameras without a clock write blanks or zeros.
    if (taken.find_first_not_of(": 0") == std::string::npos) return {};
    return taken;
}

}  // namespace skyfolio
