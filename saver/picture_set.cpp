#include "saver/picture_set.h"

#include "imaging/pixel_scaling.h"
#include "settings/conversions.h"

namespace skyfolio {

std::array<PictureSize, kMemberCount> memberSizes(int W, int H) {
    std::array<PictureSize, kMemberCount> sizes;
    // Members 1 to 5 by a factor that loses 0.1 each time, kept in single precision.
    float scaleFactor = 0.99f;
    for (int memberIndex = 1; memberIndex <= 5; ++memberIndex) {
        sizes[memberIndex - 1] = {RoundInt16(double(scaleFactor) * W), RoundInt16(double(scaleFactor) * H)};
        scaleFactor = static_cast<float>(scaleFactor - 0.1);
    }
    // Members 6 to 12 by whole divisors 2 to 8.
    for (int memberIndex = 6, d = 2; memberIndex <= kMemberCount; ++memberIndex, ++d)
        sizes[memberIndex - 1] = {RoundInt16(double(WholeDiv(RoundInt32(double(W)), d))),
                                  RoundInt16(double(WholeDiv(RoundInt32(double(H)), d)))};
    return sizes;
}

PictureSet buildPictureSet(Pixels source) {
    PictureSet set{std::move(source), {}};
    const auto sizes = memberSizes(set.source.width(), set.source.height());
    for (size_t i = 0; i < sizes.size(); ++i) set.members[i] = scaledByArea(set.source, sizes[i]);
    return set;
}

}  // namespace skyfolio
