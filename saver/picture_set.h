#pragma once

#include "imaging/pixels.h"
#include "saver/copy.h"

#include <array>

namespace skyfolio {

// One picture set: a source picture and its twelve members, the same picture
// at twelve fixed smaller sizes; member 1 is the largest (0.99 of the
// picture), member 12 the smallest (one eighth). Copies are drawn from the
// members, so nothing is scaled while animating.
struct PictureSet {
    Pixels source;
    std::array<Pixels, kMemberCount> members;

    // Member k, 1 to 12.
    const Pixels& member(int k) const { return members[static_cast<size_t>(k - 1)]; }
};

// The size of each member for a source of W x H pixels, members 1 to 12.
// Throws ConversionError when a size does not fit 16 bits.
std::array<PictureSize, kMemberCount> memberSizes(int W, int H);

// The set holding `source`, with its twelve members rendered from it.
PictureSet buildPictureSet(Pixels source);

}  // namespace skyfolio
