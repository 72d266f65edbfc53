#pragma once

#include "imaging/picture.h"

#include <cstdint>

namespace skyfolio {

// Copies `picture` to the top-left corner of an X11 window that may belong to
// another process, once, as the host's preview expects. A window that does
// not exist, no X display, or a visual we cannot draw for: nothing happens
// and nothing is printed.
void paintIntoX11Window(uint32_t windowId, const Picture& picture);

}  // namespace skyfolio
