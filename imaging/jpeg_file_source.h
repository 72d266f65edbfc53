#pragma once

#include "imaging/buffered_input.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <cstdio>
#include <jpeglib.h>

namespace skyfolio {

// Makes libjpeg pull its bytes from `input` as it needs them, so that a photo
// is never held in memory as a whole file. `input` outlives the decompression.
void readJpegFrom(jpeg_decompress_struct* info, BufferedInput& input);

}  // namespace skyfolio
