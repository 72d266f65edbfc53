#include "dialog/colour_value.h"

namespace skyfolio {

int32_t colourValue(QColor colour) { return colour.red() | colour.green() << 8 | colour.blue() << 16; }

QColor colourOfValue(int32_t value) { return QColor(value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF); }

}  // namespace skyfolio
