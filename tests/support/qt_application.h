#pragma once

namespace skyfolio::test {

// The one application object of a test program with widgets or timers; made
// on first use and kept until the program ends.
void ensureQtApplication();

}  // namespace skyfolio::test
