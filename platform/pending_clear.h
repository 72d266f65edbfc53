#pragma once

#include <QRect>

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace skyfolio {

// A clear of the whole surface held back until the tick's drawing is done:
// where a copy is drawn again, mostly a few pixels from where it was, its
// pixels are not filled with the background first. Fixed storage: nothing
// allocates.
class PendingClear {
public:
    bool empty() const { return heldCount_ == 0; }
    // The rectangles the clear fills; what was held before must be filled first.
    void hold(const std::vector<QRect>& rects);
    // Records a rectangle drawn since; false when there is no room for it,
    // and the clear must be filled before it is drawn.
    bool drawn(const QRect& rect);
    // Hands every part of the held rectangles that nothing recorded covers to
    // `fill`, and holds nothing from then on.
    void fillUncovered(const std::function<void(const QRect&)>& fill);

private:
    static constexpr size_t kHeld = 32;
    static constexpr size_t kDrawn = 64;

    std::array<QRect, kHeld> held_;
    size_t heldCount_ = 0;
    std::array<QRect, kDrawn> drawn_;
    size_t drawnCount_ = 0;
};

}  // namespace skyfolio
