#include "saver/effects.h"

#include "saver/copy.h"
#include "saver/copy_effects.h"
#include "saver/float_effect.h"
#include "saver/slideshow_effect.h"

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

constexpr DialogLayout kPlainLayout{.shows = kPlainCopies, .speedCaption = kImageSpeed};

// Most copies land anywhere; Vortex copies in the box from 25% to 60% of each side.
constexpr MotionProfile kOutward{OutwardDiagonal, Grow, kSmallestSizeStep, 0, 1};

constexpr auto kCopyEffects = makeFamily<CopyEffects>;

const Effect kNone{.id = -1, .layout = kPlainLayout, .makeFamily = kCopyEffects, .motion = kOutward, .change = Never};

}  // namespace

const std::array<Effect, 9> kEffects = {{
    {.id = kSkyflock, .name = "Skyflock", .layout = kPlainLayout, .makeFamily = kCopyEffects, .motion = kOutward,
     .arming = {.order = TimedChangeThenTick, .effectParam = {0, 0, 0, 0, 0, 4, 12, 48, 48, 48, 48, 48}},
     .change = ByClock},
    {.id = kFloat, .name = "Float",
     .layout = {.shows = kFloatOptions, .speedCaption = "Float Speed", .speedIsFloatSpeed = true},
     .makeFamily = makeFamily<FloatEffect>, .change = FloatList},
    {.id = kWarp, .name = "Warp", .layout = kPlainLayout, .makeFamily = kCopyEffects,
     .motion = {OutwardDiagonal, Shrink, kLargestSizeStep, 0, 1},
     .arming = {.order = TimedChangeThenTick, .effectParam = {81, 27, 9, 3}}, .change = ByClock},
    {.id = kPsychedelic, .name = "Psychedelic",
     .layout = {.shows = kSpeedyCopies, .speedCaption = kImageSpeed, .feature1Caption = "Psychedelic Speed",
                .feature1 = &keys::psychGradient, .amountFollowsFeature2 = true},
     .makeFamily = kCopyEffects, .motion = kOutward,
     .arming = {.order = TickThenFrequentChange, .keepTrails = true, .lastParam = &SaverSettings::cfgPsychGradient},
     .change = PacedByCopy0},
    {.id = kDeckOfCards, .name = "Deck of Cards",
     .layout = {.shows = kDeckOptions, .speedCaption = kImageSpeed, .feature1Caption = "Deck Speed",
                .feature1 = &keys::deckGradient},
     .makeFamily = kCopyEffects, .motion = {OutwardDiagonal, GrowAndDealAgain, kSmallestSizeStep, 0, 1},
     .arming = {.order = TimedChangeThenTick, .keepTrails = true, .lastParam = &SaverSettings::cfgDeckGradient},
     .change = ByClock},
    {.id = kJumpingBeans, .name = "Jumping Beans",
     .layout = {.shows = kSpeedyCopies, .speedCaption = kImageSpeed, .feature1Caption = "Jumping Speed",
                .feature1 = &keys::speedOfJump, .amountFollowsFeature2 = true},
     .makeFamily = kCopyEffects, .motion = {JumpingBeans, Grow, kSmallestSizeStep, 0, 1},
     .arming = {.order = TickThenFrequentChange}, .change = PacedByCopy0},
    {.id = kVortex, .name = "Vortex", .layout = kPlainLayout, .makeFamily = kCopyEffects,
     .motion = {Vortex, GrowEveryThirdTick, kSmallestSizeStep, 0.25, 0.35}, .arming = {.order = TimedChangeThenTick},
     .change = ByClock},
    {.id = kSplat, .name = "Splat",
     .layout = {.shows = kSpeedyCopies, .speedCaption = kImageSpeed, .feature1Caption = "Splat Speed",
                .feature1 = &keys::speedOfSplat, .amountFollowsFeature2 = true},
     .makeFamily = kCopyEffects, .motion = kOutward,
     .arming = {.order = TickThenFrequentChange, .lastParam = &SaverSettings::cfgSplatSpeed, .admitTicksFromOne = true},
     .change = PacedByCopy0},
    {.id = kSlideshow, .name = "Slideshow", .layout = {.shows = kSlideshowOptions},
     .makeFamily = makeFamily<SlideshowEffect>, .change = Slides},
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
