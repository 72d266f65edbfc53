#pragma once

#include <cstdint>

namespace skyfolio {

// Where a picture goes in the preview box, in twips: its top-left corner and
// the size it is drawn at.
struct PreviewFit {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const PreviewFit&) const = default;
};

// A picture that fits the box is drawn at its own size; a larger one shrinks
// by tenths until it fits. Either way it is centred.
PreviewFit fitPreview(int32_t width, int32_t height);

}  // namespace skyfolio
