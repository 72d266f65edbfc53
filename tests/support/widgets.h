#pragma once

#include <string>

class QWidget;

namespace skyfolio::test {

// The one application object that widget tests need, created on first use
// (offscreen, as every test runs).
void ensureWidgetApplication();

// A small picture file of one colour, `width` x `height` pixels, as JPEG.
std::string writePicture(const std::string& path, int width, int height, unsigned rgb = 0x3070c0);

// The colour an input field is painted with.
bool paintedAsEnabledField(const QWidget* field);
bool paintedAsDisabledField(const QWidget* field);

}  // namespace skyfolio::test
