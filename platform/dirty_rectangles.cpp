#include "platform/dirty_rectangles.h"

#include <cstdint>
#include <limits>

namespace skyfolio {
namespace {

int64_t area(const QRect& r) { return int64_t(r.width()) * r.height(); }

// Area the bounding box of a and b covers beyond a and b themselves.
int64_t wasteOfMerging(const QRect& a, const QRect& b) { return area(a.united(b)) - area(a) - area(b); }

}  // namespace

DirtyRectangles::DirtyRectangles(size_t limit) : limit_(limit < 1 ? 1 : limit) { rects_.reserve(limit_ + 1); }

void DirtyRectangles::add(QRect rect) {
    if (rect.isEmpty()) return;
    // A merge can make the box reach further rectangles, so look again.
    for (size_t i = 0; i < rects_.size();) {
        if (wasteOfMerging(rects_[i], rect) <= 0) {
            rect = rects_[i].united(rect);
            removeAt(i);
            i = 0;
        } else {
            ++i;
        }
    }
    rects_.push_back(rect);
    if (rects_.size() > limit_) mergeCheapestPair();
}

void DirtyRectangles::mergeCheapestPair() {
    size_t bestA = 0, bestB = 1;
    int64_t bestWaste = std::numeric_limits<int64_t>::max();
    for (size_t a = 0; a < rects_.size(); ++a)
        for (size_t b = a + 1; b < rects_.size(); ++b)
            if (const int64_t waste = wasteOfMerging(rects_[a], rects_[b]); waste < bestWaste) {
                bestWaste = waste;
                bestA = a;
                bestB = b;
            }
    rects_[bestA] = rects_[bestA].united(rects_[bestB]);
    removeAt(bestB);
}

void DirtyRectangles::removeAt(size_t index) {
    rects_[index] = rects_.back();
    rects_.pop_back();
}

}  // namespace skyfolio
