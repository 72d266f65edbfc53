#pragma once

#include <string>
#include <string_view>

namespace skyfolio {

// What one picture may cost us, whatever its file claims: the bytes of the
// file, of the decoded picture, or of the decoder's working memory. The same
// ceiling Qt puts on any picture it decodes.
inline constexpr long long kMaxPictureBytes = 256LL * 1024 * 1024;

// The longest side we decode, a little more than a JPEG may have: a PNG's
// header may claim two thousand million pixels across. A side also sizes the
// one row a streamed picture holds.
inline constexpr int kMaxPictureSide = 65535;

// A picture streamed row by row to a smaller size is never held whole, but
// every pixel of it is still read: a gigapixel takes a few seconds.
inline constexpr long long kMaxStreamedPixels = 1LL << 30;

// Real photos have at most a few dozen scans; crafted progressive files have
// thousands and can keep a decoder busy for minutes.
inline constexpr int kMaxJpegScans = 500;

// How every decoder begins the reason it refuses a picture for its size, so
// that the user can be told the picture is there, only too large.
inline constexpr std::string_view kTooLarge = "the picture is too large";

// The reason for a picture refused for its size, naming the size.
inline std::string tooLarge(long long width, long long height) {
    return std::string(kTooLarge) + ": " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

}  // namespace skyfolio
