#include "dialog/effect_layout.h"

namespace skyfolio {
namespace {

using Shown = std::array<bool, kOptionGroupCount>;
//   effect speed, change frequency, change on/off, amount, copies, transitions, change interval
constexpr Shown kPlainCopies{false, false, true, true, true, false, true};
constexpr Shown kFloat{false, false, true, false, false, true, true};
constexpr Shown kSpeedyCopies{true, true, false, true, true, false, false};
constexpr Shown kDeck{true, false, true, true, true, false, true};

constexpr const char* kImageSpeed = "Image Speed";

constexpr std::array<EffectLayout, 8> kLayouts = {{
    {kPlainCopies, kImageSpeed, false, nullptr, nullptr, false},                         // Skyflock
    {kFloat, "Float Speed", true, nullptr, nullptr, false},                              // Float
    {kPlainCopies, kImageSpeed, false, nullptr, nullptr, false},                         // Warp
    {kSpeedyCopies, kImageSpeed, false, "Psychedelic Speed", &keys::psychGradient, true},  // Psychedelic
    {kDeck, kImageSpeed, false, "Deck Speed", &keys::deckGradient, false},               // Deck of Cards
    {kSpeedyCopies, kImageSpeed, false, "Jumping Speed", &keys::speedOfJump, true},      // Jumping Beans
    {kPlainCopies, kImageSpeed, false, nullptr, nullptr, false},                         // Vortex
    {kSpeedyCopies, kImageSpeed, false, "Splat Speed", &keys::speedOfSplat, true},       // Splat
}};

}  // namespace

const EffectLayout* effectLayout(double e) {
    for (size_t i = 0; i < kLayouts.size(); ++i)
        if (e == static_cast<double>(i)) return &kLayouts[i];
    return nullptr;
}

}  // namespace skyfolio
