#include "dialog/preview_fit.h"

#include "settings/conversions.h"

namespace skyfolio {
namespace {

// The preview box, in twips; a picture fits when it is smaller on both sides.
constexpr int32_t kBoxWidth = 3375;
constexpr int32_t kBoxHeight = 1815;
constexpr double kShrinkStep = 0.9;

bool fits(int32_t width, int32_t height) { return width < kBoxWidth && height < kBoxHeight; }

}  // namespace

PreviewFit fitPreview(int32_t width, int32_t height) {
    while (!fits(width, height)) {
        width = RoundInt32(width * kShrinkStep);
        height = RoundInt32(height * kShrinkStep);
    }
    return {RoundInt32((kBoxWidth - width) / 2.0), RoundInt32((kBoxHeight - height) / 2.0), width, height};
}

}  // namespace skyfolio
