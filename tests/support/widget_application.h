#pragma once

class QApplication;

namespace skyfolio::test {

// Widgets need the one QApplication of the process; tests that build
// widgets call this first.
QApplication& widgetApplication();

}  // namespace skyfolio::test
