#include "saver/slideshow_order.h"

#include <charconv>
#include <cstdio>
#include <utility>

namespace skyfolio {
namespace {

// SplitMix64: the same numbers from the same seed on every build, which a
// standard distribution does not promise, so a resumed round is the round
// that was left.
uint64_t splitMix(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Uniform in [0, bound) without the bias of a plain remainder.
uint64_t below(uint64_t& state, uint64_t bound) {
    const uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
    uint64_t draw;
    do draw = splitMix(state);
    while (draw >= limit);
    return draw % bound;
}

template <typename Int>
bool readField(std::string_view& text, std::string_view name, Int& value) {
    if (!text.starts_with(name) || text.size() <= name.size() || text[name.size()] != '=') return false;
    text.remove_prefix(name.size() + 1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end == text.data() + text.size() || *end != '\n') return false;
    text.remove_prefix(size_t(end - text.data()) + 1);
    return true;
}

}  // namespace

std::string orderStateText(const OrderState& state) {
    return "round=" + std::to_string(state.round) + "\nposition=" + std::to_string(state.position) +
           "\nprevious=" + std::to_string(state.previous) + "\n";
}

std::optional<OrderState> parseOrderState(std::string_view text) {
    OrderState state;
    if (!readField(text, "round", state.round) || !readField(text, "position", state.position) ||
        !readField(text, "previous", state.previous) || !text.empty())
        return std::nullopt;
    return state;
}

std::string orderStateFileName(const std::vector<std::string>& paths) {
    // FNV-1a over the paths, each ended by a byte no path holds.
    uint64_t hash = 0xCBF29CE484222325ull;
    const auto add = [&](unsigned char byte) { hash = (hash ^ byte) * 0x100000001B3ull; };
    for (const std::string& path : paths) {
        for (const char c : path) add(static_cast<unsigned char>(c));
        add(0);
    }
    char name[48];
    std::snprintf(name, sizeof name, "slideshow-%016llx.state", static_cast<unsigned long long>(hash));
    return name;
}

SlideshowOrder::SlideshowOrder(int count, bool shuffled, std::optional<OrderState> resumed, uint64_t seed)
    : count_(count > 0 ? count : 0), shuffled_(shuffled) {
    if (!shuffled_ || count_ == 0) return;
    if (resumed && resumed->position >= 0 && resumed->position <= count_ && resumed->previous >= -1 &&
        resumed->previous < count_)
        state_ = *resumed;
    else
        state_ = {seed, 0, -1};
    dealRound();
}

void SlideshowOrder::dealRound() {
    round_.resize(size_t(count_));
    for (int i = 0; i < count_; ++i) round_[size_t(i)] = i;
    uint64_t draws = state_.round;
    for (size_t i = round_.size(); i > 1; --i) std::swap(round_[i - 1], round_[size_t(below(draws, i))]);
    // The photo that ended the last round does not open this one.
    if (count_ > 1 && round_[0] == state_.previous)
        std::swap(round_[0], round_[1 + size_t(below(draws, uint64_t(count_ - 1)))]);
}

int SlideshowOrder::next() {
    if (count_ == 0) return -1;
    if (!shuffled_) return std::exchange(state_.position, (state_.position + 1) % count_);
    if (state_.position >= count_) {
        uint64_t seeds = state_.round;
        state_ = {splitMix(seeds), 0, round_.back()};
        dealRound();
    }
    return round_[size_t(state_.position++)];
}

}  // namespace skyfolio
