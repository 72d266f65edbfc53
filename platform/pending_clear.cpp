#include "platform/pending_clear.h"

#include <algorithm>

namespace skyfolio {

void PendingClear::hold(const std::vector<QRect>& rects) {
    heldCount_ = 0;
    drawnCount_ = 0;
    for (const QRect& rect : rects) {
        if (heldCount_ == kHeld) break;
        held_[heldCount_++] = rect;
    }
}

bool PendingClear::drawn(const QRect& rect) {
    if (drawnCount_ == kDrawn) return false;
    drawn_[drawnCount_++] = rect;
    return true;
}

// Swept in bands of rows that the same drawings cross; within a band, what
// lies between them is filled.
void PendingClear::fillUncovered(const std::function<void(const QRect&)>& fill) {
    std::array<QRect, kDrawn> covering;
    std::array<int, 2 * kDrawn + 2> edges;
    for (size_t h = 0; h < heldCount_; ++h) {
        const QRect& held = held_[h];
        size_t count = 0, edgeCount = 0;
        edges[edgeCount++] = held.top();
        edges[edgeCount++] = held.bottom() + 1;
        for (size_t d = 0; d < drawnCount_; ++d) {
            const QRect part = drawn_[d] & held;
            if (part.isEmpty()) continue;
            covering[count++] = part;
            edges[edgeCount++] = part.top();
            edges[edgeCount++] = part.bottom() + 1;
        }
        std::sort(covering.begin(), covering.begin() + count,
                  [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
        std::sort(edges.begin(), edges.begin() + edgeCount);
        const int* end = std::unique(edges.begin(), edges.begin() + edgeCount);
        for (const int* edge = edges.begin(); edge + 1 < end; ++edge) {
            const int top = edge[0], height = edge[1] - edge[0];
            int x = held.left();
            for (size_t c = 0; c < count; ++c) {
                const QRect& cover = covering[c];
                if (cover.top() > top || cover.bottom() < top) continue;
                if (cover.left() > x) fill(QRect(x, top, cover.left() - x, height));
                x = std::max(x, cover.right() + 1);
            }
            if (x <= held.right()) fill(QRect(x, top, held.right() + 1 - x, height));
        }
    }
    heldCount_ = 0;
    drawnCount_ = 0;
}

}  // namespace skyfolio
