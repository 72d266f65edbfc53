#pragma once

#include "imaging/pixels.h"

#include <QImage>

#include <string>

namespace skyfolio {

// A message as a window shows it where nobody can answer a message box: its
// text in white, centred and wrapped, on black, readable at any size.
QImage messagePicture(PictureSize size, const std::string& text);

}  // namespace skyfolio
