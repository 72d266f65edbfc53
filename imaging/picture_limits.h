#pragma once

namespace skyfolio {

// What one picture may cost us, whatever its file claims: the bytes of the
// file, of the decoded picture, or of the decoder's working memory. The same
// ceiling Qt puts on any picture it decodes.
inline constexpr long long kMaxPictureBytes = 256LL * 1024 * 1024;

// The longest side we decode, a little more than a JPEG may have: a PNG's
// header may claim two thousand million pixels across.
inline constexpr int kMaxPictureSide = 65535;

// Real photos have at most a few dozen scans; crafted progressive files have
// thousands and can keep a decoder busy for minutes.
inline constexpr int kMaxJpegScans = 500;

}  // namespace skyfolio
