#pragma once

#include <QIODevice>

namespace skyfolio {

// Whether an uncompressed BMP file holds fewer bytes than its header says
// its pixel rows need. Qt reads such a file without complaint and leaves the
// missing rows as whatever memory held before, so we refuse it instead.
// Files that are not uncompressed BMPs are never called short.
bool bitmapIsCutShort(QIODevice& file);

}  // namespace skyfolio
