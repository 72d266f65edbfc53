#pragma once

namespace skyfolio {

// Where the pointer is, in device pixels: on the saver window it moves over,
// and on the whole desktop, counted from the desktop's top-left corner, so
// that a move from one screen's window to another's has its true size.
struct PointerPosition {
    float x = 0;
    float y = 0;
    float desktopX = 0;
    float desktopY = 0;
};

}  // namespace skyfolio
