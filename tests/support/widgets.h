#pragma once

#include <string>

class QWidget;

namespace skyfolio::test {

// A small picture file of one colour, `width` x `height` pixels, as JPEG.
std::string writePicture(const std::string& path, int width, int height, unsigned rgb = 0x3070c0);

// The colour an input field is painted with.
bool paintedAsEnabledField(const QWidget* field);
bool paintedAsDisabledField(const QWidget* field);

}  // namespace skyfolio::test
