#pragma once

#include <QColor>

#include <cstdint>

namespace skyfolio {

// A colour as the settings store it: red in the lowest byte, then green, then
// blue ("255" is pure red).
int32_t colourValue(QColor colour);
QColor colourOfValue(int32_t value);

}  // namespace skyfolio
