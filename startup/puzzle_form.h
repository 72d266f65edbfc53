#pragma once

#include "imaging/picture.h"

#include <cstdint>

namespace skyfolio {

// The preview's form. Its one picture box holds the fixed preview picture;
// nothing of the user's settings or pictures is used in the preview.
struct PuzzleForm {
    static constexpr PictureSize kPictureSize{151, 119};
    // The block the host's window receives, wider and taller than the picture.
    static constexpr PictureSize kPreviewBlock{160, 120};
    static constexpr uint32_t kBoxBackColor = 0xD4D0C8;

    PuzzleForm();

    // The picture box as it shows: the picture at its top-left corner, the
    // rest in the box's background colour.
    Picture Picture1;
};

}  // namespace skyfolio
