#pragma once

#include "imaging/picture.h"
#include "saver/copy_step.h"

namespace skyfolio {

// FirstPicture as Float uses it: a picture box shown over the form and moved
// about it. Position and size are twips, the form's scale in Float; the box
// draws its picture at its own top-left corner and shows the form's
// background colour where it has none.
class FloatBox {
public:
    virtual ~FloatBox() = default;

    virtual int left() const = 0;
    virtual int top() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void move(int left, int top) = 0;
    virtual void resize(int width, int height) = 0;
    virtual void setVisible(bool visible) = 0;

    // The box's picture; an empty one clears it.
    virtual void setPicture(const Picture& picture) = 0;
    // One step of a transition: the step's rectangle of `source` drawn at the
    // same place in the box, clipped to both. Steps reach the screen at the
    // host's pace, and nothing else is handled between them.
    virtual void copy(const Picture& source, const CopyStep& step) = 0;
};

}  // namespace skyfolio
