#pragma once

#include <QRect>

#include <cstddef>
#include <vector>

namespace skyfolio {

// A few rectangles that together cover everything added since the last
// reset. Overlapping or touching rectangles are merged when their bounding box
// costs no more area than the two apart; beyond the limit the pair whose
// bounding box wastes the least area is merged. The storage is reserved up
// front, so adding never allocates.
class DirtyRectangles {
public:
    explicit DirtyRectangles(size_t limit);

    void add(QRect rect);
    void reset() { rects_.clear(); }

    bool empty() const { return rects_.empty(); }
    const std::vector<QRect>& rects() const { return rects_; }

private:
    void mergeCheapestPair();
    void removeAt(size_t index);

    size_t limit_;
    std::vector<QRect> rects_;
};

}  // namespace skyfolio
