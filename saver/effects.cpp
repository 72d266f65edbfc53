#include "saver/effects.h"

#include "saver/copy.h"

namespace skyfolio {
namespace {

using enum StepRule;
using enum SizeCourse;
using enum ArmingOrder;
using enum PictureChange;

using Shown = std::array<bool, kOptionGroupCount>;
//   effect speed, change frequency, change on/off, amount, copies, transitions, change interval, large pictures,
//   speed, slideshow
constexpr Shown kPlainCopies{false, false, true, true, true, false, true, false, true, false};
constexpr Shown kFloatOptions{false, false, true, false, false, true, true, true, true, false};
constexpr Shown kSpeedyCopies{true, true, false, true, true, false, false, false, true, false};
constexpr Shown kDeckOptions{true, false, true, true, true, false, true, false, true, false};
constexpr Shown kSlideshowOptions{false, false, false, false, false, false, true, false, false, true};

constexpr std::string_view kImageSpeed = "Image Speed";

constexpr DialogLayout kPlainLayout{kPlainCopies, kImageSpeed, false, {}, nullptr, false};

// Most copies land anywhere; Vortex copies in the box from 25% to 60% of each side.
constexpr MotionProfile kOutward{OutwardDiagonal, Grow, kSmallestSizeStep, 0, 1};

constexpr std::array<int16_t, 12> kStill{};

constexpr Effect kNone{-1, {}, kPlainLayout, kOutward, {Nothing, false, kStill, nullptr, false}, Never};

}  // namespace

const std::array<Effect, 9> kEffects = {{
    {kSkyflock, "Skyflock", kPlainLayout, kOutward,
     {TimedChangeThenTick, false, {0, 0, 0, 0, 0, 4, 12, 48, 48, 48, 48, 48}, nullptr, false}, ByClock},
    {kFloat, "Float", {kFloatOptions, "Float Speed", true, {}, nullptr, false}, kOutward,
     {FloatClocks, false, kStill, nullptr, false}, FloatList},
    {kWarp, "Warp", kPlainLayout, {OutwardDiagonal, Shrink, kLargestSizeStep, 0, 1},
     {TimedChangeThenTick, false, {81, 27, 9, 3}, nullptr, false}, ByClock},
    {kPsychedelic, "Psychedelic",
     {kSpeedyCopies, kImageSpeed, false, "Psychedelic Speed", &keys::psychGradient, true}, kOutward,
     {TickThenFrequentChange, true, kStill, &SaverSettings::cfgPsychGradient, false}, PacedByCopy0},
    {kDeckOfCards, "Deck of Cards", {kDeckOptions, kImageSpeed, false, "Deck Speed", &keys::deckGradient, false},
     {OutwardDiagonal, GrowAndDealAgain, kSmallestSizeStep, 0, 1},
     {TimedChangeThenTick, true, kStill, &SaverSettings::cfgDeckGradient, false}, ByClock},
    {kJumpingBeans, "Jumping Beans", {kSpeedyCopies, kImageSpeed, false, "Jumping Speed", &keys::speedOfJump, true},
     {JumpingBeans, Grow, kSmallestSizeStep, 0, 1}, {TickThenFrequentChange, false, kStill, nullptr, false},
     PacedByCopy0},
    {kVortex, "Vortex", kPlainLayout, {Vortex, GrowEveryThirdTick, kSmallestSizeStep, 0.25, 0.35},
     {TimedChangeThenTick, false, kStill, nullptr, false}, ByClock},
    {kSplat, "Splat", {kSpeedyCopies, kImageSpeed, false, "Splat Speed", &keys::speedOfSplat, true}, kOutward,
     {TickThenFrequentChange, false, kStill, &SaverSettings::cfgSplatSpeed, true}, PacedByCopy0},
    {kSlideshow, "Slideshow", {kSlideshowOptions, kImageSpeed, false, {}, nullptr, false}, kOutward,
     {SlideshowClocks, false, kStill, nullptr, false}, Slides},
}};

const Effect* findEffect(double id) {
    for (const Effect& effect : kEffects)
        if (effect.id == id) return &effect;
    return nullptr;
}

const Effect& effectOrNone(double id) {
    const Effect* effect = findEffect(id);
    return effect ? *effect : kNone;
}

}  // namespace skyfolio
