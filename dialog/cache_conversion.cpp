#include "dialog/cache_conversion.h"

#include "imaging/units.h"
#include "settings/conversions.h"

#include <array>

namespace skyfolio {
namespace {

struct Reduction {
    float from;  // longer side in twips, inclusive
    double factor;
};

// Each row holds up to the next row's bound; the last has no limit.
constexpr std::array<Reduction, 35> kReductions = {{
    {4500, 0.82},   {5000, 0.74},   {5500, 0.67},   {6000, 0.62},   {6500, 0.57},   {7000, 0.53},
    {7500, 0.5},    {8000, 0.47},   {8500, 0.45},   {9000, 0.42},   {9500, 0.4},    {10000, 0.38},
    {10500, 0.36},  {11000, 0.347}, {11500, 0.33},  {12000, 0.319}, {12500, 0.305}, {13000, 0.29},
    {13500, 0.283}, {14000, 0.273}, {14500, 0.264}, {15000, 0.256}, {15500, 0.248}, {16000, 0.24},
    {16500, 0.232}, {17000, 0.226}, {17500, 0.219}, {18000, 0.2},   {19500, 0.19},  {21000, 0.17},
    {22500, 0.16},  {25500, 0.15},  {27000, 0.14},  {28500, 0.135}, {30000, 0.13},
}};

// The box the picture is drawn into has a single-line border; its image is
// the inner area, so the scaled picture loses that much at right and bottom.
constexpr int kBorderPixels = 1;

}  // namespace

void ReduceForCache(float& convWidth, float& convHeight) {
    const float longer = convWidth >= convHeight ? convWidth : convHeight;
    for (auto row = kReductions.rbegin(); row != kReductions.rend(); ++row) {
        if (longer >= row->from) {
            convWidth = static_cast<float>(convWidth * row->factor);
            convHeight = static_cast<float>(convHeight * row->factor);
            return;
        }
    }
}

CacheGeometry cacheGeometry(PictureSize source) {
    float convWidth = static_cast<float>(source.width) * kTwipsPerPixel;
    float convHeight = static_cast<float>(source.height) * kTwipsPerPixel;
    ReduceForCache(convWidth, convHeight);
    CacheGeometry g;
    g.widthTwips = RoundInt16(convWidth);
    g.heightTwips = RoundInt16(convHeight);
    g.drawn = {twipsToPixels(g.widthTwips), twipsToPixels(g.heightTwips)};
    // A picture only a few pixels wide still keeps one pixel of itself.
    g.stored = {std::max(1, g.drawn.width - 2 * kBorderPixels), std::max(1, g.drawn.height - 2 * kBorderPixels)};
    g.drawn = {std::max(1, g.drawn.width), std::max(1, g.drawn.height)};
    return g;
}

void convertPictureForCache(const std::string& source, const std::string& cacheFile) {
    try {
        // Knowing the size up front lets the decoder produce the reduced picture
        // directly instead of holding the whole photo in memory.
        WriteResult written;
        if (const std::optional<PictureSize> size = Picture::probe(source)) {
            const CacheGeometry g = cacheGeometry(*size);
            written = Picture::writeBitmapAtSize(source, g.drawn, g.stored, cacheFile);
        } else {
            const Picture whole = Picture::load(source);
            const CacheGeometry g = cacheGeometry(whole.size());
            written = whole.scaled(g.drawn).topLeft(g.stored).saveBitmap(cacheFile);
        }
        if (!written) throw CacheConversionError(written.error);
    } catch (const PictureError& e) {
        throw CacheConversionError(e.what());
    } catch (const ConversionError& e) {
        throw CacheConversionError(source + ": the picture is too large (" + e.what() + ")");
    }
}

}  // namespace skyfolio
