#pragma once

namespace skyfolio {

// One drawing step of a transition: the rectangle of the new picture that is
// copied to the same place in the picture box, in the box's pixels. The left
// and top may fall between pixels; the drawing rounds them.
struct CopyStep {
    double x = 0;
    double y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const CopyStep&) const = default;
};

}  // namespace skyfolio
