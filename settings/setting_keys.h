#pragma once

#include "settings/setting_texts.h"

#include <array>
#include <string_view>

namespace skyfolio {

// How the saver turns a stored text into a value.
enum class Conversion {
    Lenient,      // NumberValue: leading number, 0 when none
    Strict,       // the whole text must be a number
    BooleanText,  // True or False, or a number
    Text,         // used as it stands
};

// One key of the settings file, declared once for the installer, the saver,
// the dialog and the save.
struct SettingKey {
    std::string_view section;
    std::string_view key;
    std::string_view installedValue;
    Conversion saverReads;
    std::string SettingTexts::*text;
};

namespace keys {
inline constexpr SettingKey newTotal{"total", "newTotal", "2", Conversion::Lenient, &SettingTexts::cfgImageTotal};
inline constexpr SettingKey clonesOfImage{"total", "ClonesOfImage", "10", Conversion::Lenient, &SettingTexts::cfgCopies};
inline constexpr SettingKey imageSpeed{"speed", "imageSpeed", "20", Conversion::Strict, &SettingTexts::cfgImageSpeed};
inline constexpr SettingKey mode{"saver", "mode", "0", Conversion::Lenient, &SettingTexts::cfgEffect};
inline constexpr SettingKey speedOfSplat{"saver", "SpeedofSplat", "10", Conversion::Strict, &SettingTexts::cfgSplatSpeed};
inline constexpr SettingKey speedOfJump{"saver", "SpeedofJump", "10", Conversion::Lenient, &SettingTexts::cfgJumpSpeed};
inline constexpr SettingKey deckGradient{"saver", "DeckGradient", "10", Conversion::Strict, &SettingTexts::cfgDeckGradient};
inline constexpr SettingKey psychGradient{"saver", "PsychGradient", "10", Conversion::Strict, &SettingTexts::cfgPsychGradient};
inline constexpr SettingKey nextImageTime{"saver", "NextImageTime", "10", Conversion::Lenient, &SettingTexts::cfgNextImageTime};
inline constexpr SettingKey introImageAmount{"saver", "IntroImageAmount", "3", Conversion::Lenient, &SettingTexts::cfgIntroAmount};
inline constexpr SettingKey neverChange{"saver", "NeverChange", "False", Conversion::BooleanText, &SettingTexts::cfgNeverChange};
inline constexpr SettingKey changeNextImage{"saver", "ChangeNextImage", "2", Conversion::Lenient, &SettingTexts::cfgChangeNext};
inline constexpr SettingKey mouseSensitivity{"saver", "mouseSensitivity", "5", Conversion::Lenient, &SettingTexts::cfgMouseSensitivity};
inline constexpr SettingKey newBackColor{"saver", "newBackColor", "0", Conversion::Strict, &SettingTexts::cfgBackColor};
inline constexpr SettingKey effectMode{"saver", "effectMode", "0", Conversion::Lenient, &SettingTexts::cfgTransition};
inline constexpr SettingKey randomEffect{"saver", "randomEffect", "1", Conversion::Lenient, &SettingTexts::cfgRandomTransition};
inline constexpr SettingKey centerImage{"saver", "centerImage", "0", Conversion::Lenient, &SettingTexts::cfgCenterImage};
inline constexpr SettingKey floatImageSpeed{"saver", "floatImageSpeed", "3", Conversion::Lenient, &SettingTexts::cfgFloatSpeed};
inline constexpr SettingKey saverPassword{"password", "saverPassword", "", Conversion::Text, &SettingTexts::cfgPassword};
inline constexpr SettingKey saverEnabled{"password", "saverEnabled", "0", Conversion::Lenient, &SettingTexts::cfgPasswordOn};
}  // namespace keys

// Every key, in the order the save writes them.
inline constexpr std::array<const SettingKey*, 20> kSettingKeysInFileOrder = {
    &keys::newTotal,      &keys::clonesOfImage,    &keys::imageSpeed,       &keys::mode,
    &keys::speedOfSplat,  &keys::speedOfJump,      &keys::deckGradient,     &keys::psychGradient,
    &keys::nextImageTime, &keys::introImageAmount, &keys::neverChange,      &keys::changeNextImage,
    &keys::mouseSensitivity, &keys::newBackColor,  &keys::effectMode,       &keys::randomEffect,
    &keys::centerImage,   &keys::floatImageSpeed,  &keys::saverPassword,    &keys::saverEnabled,
};

// The picture list: keys "0" to N-1 of this section, N being "newTotal".
inline constexpr std::string_view kImagesSection = "images";

}  // namespace skyfolio
