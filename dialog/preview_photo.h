#pragma once

#include "imaging/picture.h"

#include <string>

namespace skyfolio {

// The picture held for the preview: the size of the whole picture, which the
// preview's fit works from, and its pixels at no more than the preview shows,
// so that a large photo is decoded small and never held whole.
struct PreviewPhoto {
    PictureSize size;  // pixels
    Picture shown;

    bool isNull() const { return shown.isNull(); }
};

// Throws PictureError.
PreviewPhoto loadPreviewPhoto(const std::string& path);

}  // namespace skyfolio
