#pragma once

#include "imaging/picture.h"

#include <stdexcept>
#include <string>

namespace skyfolio {

// Any reason a picture did not make it into the cache.
class CacheConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Shrinks a picture's size, in twips, so that its longer side ends up at
// about 240 to 275 pixels; pictures under 4500 twips keep their size.
void ReduceForCache(float& convWidth, float& convHeight);

// Sizes of one picture on its way into the cache.
struct CacheGeometry {
    int widthTwips = 0;   // reduced and rounded
    int heightTwips = 0;
    PictureSize drawn;    // the picture scaled into the box, in pixels
    PictureSize stored;   // the box's inner area that the file receives
};

// Throws ConversionError when the reduced size does not fit 16 bits.
CacheGeometry cacheGeometry(PictureSize source);

// Loads `source` at the size it is needed, reduces it and writes it as a BMP
// file to `cacheFile` (replaced atomically). Throws CacheConversionError.
void convertPictureForCache(const std::string& source, const std::string& cacheFile);

}  // namespace skyfolio
