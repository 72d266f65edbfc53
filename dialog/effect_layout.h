#pragma once

#include "dialog/settled_value.h"
#include "settings/setting_keys.h"

#include <array>
#include <cstddef>

namespace skyfolio {

// The groups of options on the Effects tab that the chosen effect shows or hides.
enum class OptionGroup { EffectSpeed, ChangeFrequency, ChangeOnOff, Amount, Copies, Transitions, ChangeInterval };
inline constexpr size_t kOptionGroupCount = 7;

// The sliders whose setting depends on the effect: the values they can store.
inline constexpr ValueRange kImageSpeedRange{1, 200};  // milliseconds per animation tick
inline constexpr ValueRange kFloatSpeedRange{1, 5};
inline constexpr ValueRange kFeature1Range{1, 21};

// How the Effects tab looks for one effect.
struct EffectLayout {
    std::array<bool, kOptionGroupCount> shows;
    const char* speedCaption;
    // `Speed` sets Float's speed step rather than the animation interval.
    bool speedIsFloatSpeed;
    // The effect's own speed on `Feature1`; none when the effect has none.
    const char* feature1Caption;
    const SettingKey* feature1;
    // The amount to introduce is enabled by `Feature2` above 0 rather than by
    // the "Yes" of the change on/off option.
    bool amountFollowsFeature2;

    bool shown(OptionGroup group) const { return shows[static_cast<size_t>(group)]; }
};

// The layout of effect `e`, 0 to 7; none for any other value.
const EffectLayout* effectLayout(double e);

}  // namespace skyfolio
