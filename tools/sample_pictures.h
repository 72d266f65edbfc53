#pragma once

#include <QImage>

namespace skyfolio {

// The two sample pictures installed with Skyfolio, drawn by code so that the
// program folder holds nothing but our own work.
QImage drawSunriseSample();
QImage drawNightSample();

}  // namespace skyfolio
