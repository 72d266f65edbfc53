#pragma once

#include "settings/setting_keys.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace skyfolio {

class EffectFamily;
class Form1;
struct SaverSeams;

// The effects, numbered as the settings file stores them and the dialog
// lists them.
inline constexpr int kSkyflock = 0;
inline constexpr int kFloat = 1;
inline constexpr int kWarp = 2;
inline constexpr int kPsychedelic = 3;
inline constexpr int kDeckOfCards = 4;
inline constexpr int kJumpingBeans = 5;
inline constexpr int kVortex = 6;
inline constexpr int kSplat = 7;
inline constexpr int kSlideshow = 8;

// Groups of options on the dialog's Effects tab, shown or hidden together.
enum class OptionGroup {
    EffectSpeed,
    ChangeFrequency,
    ChangeOnOff,
    Amount,
    Copies,
    Transitions,
    ChangeInterval,
    LargePictures,  // whether pictures larger than the screen shrink to fit it
    Speed,          // the Speed slider
    Slideshow,      // the slideshow's own options
};
inline constexpr size_t kOptionGroupCount = 10;

// How the dialog's Effects tab looks for the effect.
struct DialogLayout {
    std::array<bool, kOptionGroupCount> shows;
    std::string_view speedCaption = {};
    // The Speed slider sets Float's speed step rather than the tick interval.
    bool speedIsFloatSpeed = false;
    // The effect's own speed on Feature1; none when there is no key.
    std::string_view feature1Caption = {};
    const SettingKey* feature1 = nullptr;
    // The amount to introduce is enabled by Feature2 above 0 rather than by
    // the "Yes" of the change on/off option.
    bool amountFollowsFeature2 = false;

    bool shown(OptionGroup group) const { return shows[static_cast<size_t>(group)]; }
};

// How a re-launched copy is aimed (SetCopyStep).
enum class StepRule {
    OutwardDiagonal,  // away from the centre at the speed given
    Vortex,           // clockwise around the centre, fixed steps
    JumpingBeans,     // a fresh random step, from the jump speed setting
};

// How a copy's size step moves after each drawing.
enum class SizeCourse {
    Grow,                // 12 down to 1, then stays at 1
    GrowAndDealAgain,    // 12 down to 1, then back to 12
    GrowEveryThirdTick,  // one size step and a new aim every third tick
    Shrink,              // 1 up to 12, then stays at 12 (StepWarpCopy)
};

// How the copies move; the tick treats every copy alike.
struct MotionProfile {
    StepRule stepRule;
    SizeCourse course;
    int launchSize;  // size step of a re-launched copy; its speed gives the first step
    // A re-launched copy's corner lands at `launchFrom` plus up to
    // `launchSpan` of the screen's width and height.
    double launchFrom;
    double launchSpan;
};

// Which timers a copy effect's set-up starts, and in which order: the timed
// picture change (A) and the animation tick (T), or the frequent change (B).
enum class ArmingOrder { Nothing, TimedChangeThenTick, TickThenFrequentChange };

// What a copy effect's set-up arms.
struct EffectArming {
    ArmingOrder order = ArmingOrder::Nothing;
    bool keepTrails = false;  // the display is not cleared between ticks
    std::array<int16_t, 12> effectParam{};
    // Replaces effectParam(11) when given.
    Held<double> SaverSettings::*lastParam = nullptr;
    bool admitTicksFromOne = false;
};

// How the pictures change.
enum class PictureChange {
    Never,
    ByClock,       // each picture-change clock tick admits more copies
    PacedByCopy0,  // the clock only starts it; copy 0's re-launches pace it
    FloatList,     // Float shows the user's files in list order
    Slides,        // Slideshow shows the user's files, one slide after another
};

// Everything that makes one effect differ from another.
struct Effect {
    int id;
    std::string_view name = {};
    DialogLayout layout;
    // The family whose state and procedures run the effect.
    std::unique_ptr<EffectFamily> (*makeFamily)(Form1&, const SaverSettings&, const SaverSeams&);
    MotionProfile motion = {};  // the copy effects'
    EffectArming arming = {};   // the copy effects'
    PictureChange change;

    // Float and Slideshow show the user's picture files; the others fly
    // copies of the cache pictures.
    bool usesCache() const { return change != PictureChange::FloatList && change != PictureChange::Slides; }
};

// Every effect, in the order of its number.
extern const std::array<Effect, 9> kEffects;

// The effect with that number, none for any other value.
const Effect* findEffect(double id);
// The same, or for any other value an effect that arms nothing, never
// changes pictures and would move its copies like Skyflock.
const Effect& effectOrNone(double id);

}  // namespace skyfolio
