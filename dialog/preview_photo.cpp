#include "dialog/preview_photo.h"

#include "dialog/control_placement.h"
#include "dialog/preview_fit.h"
#include "imaging/units.h"

#include <algorithm>

namespace skyfolio {
namespace {

PictureSize shownSize(PictureSize whole) {
    const PreviewFit fit = fitPreview(whole.width * kTwipsPerPixel, whole.height * kTwipsPerPixel);
    return {std::max(1, twipsToPixels(fit.width)), std::max(1, twipsToPixels(fit.height))};
}

}  // namespace

PreviewPhoto loadPreviewPhoto(const std::string& path) {
    if (const std::optional<PictureSize> size = Picture::probe(path))
        return {*size, Picture::loadAtSize(path, shownSize(*size))};
    // A file whose header does not tell its size is decoded whole.
    const Picture whole = Picture::load(path);
    return {whole.size(), whole.scaled(shownSize(whole.size()))};
}

}  // namespace skyfolio
