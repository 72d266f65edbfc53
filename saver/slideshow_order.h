#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyfolio {

// Where a shuffled slideshow stands: enough to go on after a restart. A
// round's order follows from its seed, so the state stays a few numbers
// however long the list.
struct OrderState {
    uint64_t round = 0;  // the seed of the round under way
    int position = 0;    // the round's next place
    int previous = -1;   // the photo the round before ended with; -1 for none
    bool operator==(const OrderState&) const = default;
};

// The state as its file holds it, and back; none for a text that is not one.
std::string orderStateText(const OrderState& state);
std::optional<OrderState> parseOrderState(std::string_view text);

// A name for the list's state file that changes with the list, so that
// another list starts a round of its own.
std::string orderStateFileName(const std::vector<std::string>& paths);

// The order the slideshow takes its photos in: the list's own, or shuffled
// rounds that show every photo once before any again and never the same
// photo twice in a row, not even across a round's end.
class SlideshowOrder {
public:
    // `resumed` goes on where an earlier run left off when it fits the list;
    // otherwise a first round starts from `seed`.
    SlideshowOrder(int count, bool shuffled, std::optional<OrderState> resumed, uint64_t seed);

    // The next photo's place in the list; -1 for an empty list.
    int next();
    int count() const { return count_; }
    bool shuffled() const { return shuffled_; }
    const OrderState& state() const { return state_; }

private:
    void dealRound();

    int count_;
    bool shuffled_;
    OrderState state_;
    std::vector<int> round_;
};

}  // namespace skyfolio
