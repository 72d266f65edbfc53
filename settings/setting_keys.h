#pragma once

#include "settings/saver_settings.h"
#include "settings/setting_texts.h"

#include <array>
#include <string_view>
#include <variant>

namespace skyfolio {

// Where the saver keeps a key's value; the field's type is the conversion:
// a leading number (NumberValue, 0 when none), a strict number, True or
// False (or a number), a check box's "1" or "0" (any other text standing for
// the installed value, as the dialog shows it), or the text as it stands;
// none for a key that only the dialog and the idle watch read.
using SaverField = std::variant<double SaverSettings::*, Held<double> SaverSettings::*, Held<bool> SaverSettings::*,
                                bool SaverSettings::*, std::string SaverSettings::*, std::monostate>;

// One key of the settings file, declared once for the installer, the saver,
// the dialog and the save.
struct SettingKey {
    std::string_view section;
    std::string_view key;
    std::string_view installedValue;
    SaverField saver;
    std::string SettingTexts::*text;  // the dialog's working copy, which the save writes
    // What a file without the key means: for a key added later, what the
    // files written before it did. Empty for the keys every file has, where
    // a missing key reads as the empty text.
    std::string_view absentValue = {};
};

namespace keys {
inline constexpr SettingKey newTotal{"total", "newTotal", "2", &SaverSettings::cfgImageTotal, &SettingTexts::cfgImageTotal};
inline constexpr SettingKey clonesOfImage{"total", "ClonesOfImage", "10", &SaverSettings::cfgCopies, &SettingTexts::cfgCopies};
inline constexpr SettingKey imageSpeed{"speed", "imageSpeed", "20", &SaverSettings::cfgImageSpeed, &SettingTexts::cfgImageSpeed};
inline constexpr SettingKey mode{"saver", "mode", "0", &SaverSettings::cfgEffect, &SettingTexts::cfgEffect};
inline constexpr SettingKey speedOfSplat{"saver", "SpeedofSplat", "10", &SaverSettings::cfgSplatSpeed, &SettingTexts::cfgSplatSpeed};
inline constexpr SettingKey speedOfJump{"saver", "SpeedofJump", "10", &SaverSettings::cfgJumpSpeed, &SettingTexts::cfgJumpSpeed};
inline constexpr SettingKey deckGradient{"saver", "DeckGradient", "10", &SaverSettings::cfgDeckGradient, &SettingTexts::cfgDeckGradient};
inline constexpr SettingKey psychGradient{"saver", "PsychGradient", "10", &SaverSettings::cfgPsychGradient, &SettingTexts::cfgPsychGradient};
inline constexpr SettingKey nextImageTime{"saver", "NextImageTime", "10", &SaverSettings::cfgNextImageTime, &SettingTexts::cfgNextImageTime};
inline constexpr SettingKey introImageAmount{"saver", "IntroImageAmount", "3", &SaverSettings::cfgIntroAmount, &SettingTexts::cfgIntroAmount};
inline constexpr SettingKey neverChange{"saver", "NeverChange", "False", &SaverSettings::cfgNeverChange, &SettingTexts::cfgNeverChange};
inline constexpr SettingKey changeNextImage{"saver", "ChangeNextImage", "2", &SaverSettings::cfgChangeNext, &SettingTexts::cfgChangeNext};
inline constexpr SettingKey mouseSensitivity{"saver", "mouseSensitivity", "5", &SaverSettings::cfgMouseSensitivity, &SettingTexts::cfgMouseSensitivity};
inline constexpr SettingKey newBackColor{"saver", "newBackColor", "0", &SaverSettings::cfgBackColor, &SettingTexts::cfgBackColor};
inline constexpr SettingKey effectMode{"saver", "effectMode", "0", &SaverSettings::cfgTransition, &SettingTexts::cfgTransition};
inline constexpr SettingKey randomEffect{"saver", "randomEffect", "1", &SaverSettings::cfgRandomTransition, &SettingTexts::cfgRandomTransition};
inline constexpr SettingKey centerImage{"saver", "centerImage", "0", &SaverSettings::cfgCenterImage, &SettingTexts::cfgCenterImage};
inline constexpr SettingKey floatImageSpeed{"saver", "floatImageSpeed", "3", &SaverSettings::cfgFloatSpeed, &SettingTexts::cfgFloatSpeed};
inline constexpr SettingKey saverPassword{"password", "saverPassword", "", &SaverSettings::cfgPassword, &SettingTexts::cfgPassword};
inline constexpr SettingKey saverEnabled{"password", "saverEnabled", "0", &SaverSettings::cfgPasswordOn, &SettingTexts::cfgPasswordOn};
// Float shrinks a picture larger than the screen to fit it whole; files from
// before the option showed every picture at its own size.
inline constexpr SettingKey fitLargePictures{"saver", "fitLargePictures", "1", &SaverSettings::cfgFitLargePictures,
                                             &SettingTexts::cfgFitLargePictures, "0"};
// The idle watch: how long the user is idle before the saver starts, and
// whether the watch starts at login. Read by the watch and the dialog, never
// by the saver.
inline constexpr SettingKey idleMinutes{"saver", "idleMinutes", "10", std::monostate{}, &SettingTexts::cfgIdleMinutes, "10"};
inline constexpr SettingKey startWhenIdle{"saver", "startWhenIdle", "0", std::monostate{}, &SettingTexts::cfgStartWhenIdle,
                                          "0"};
// Slideshow's options; a file without them means the installed values.
inline constexpr SettingKey slideshowFit{"saver", "slideshowFit", "0", &SaverSettings::cfgSlideshowFit,
                                         &SettingTexts::cfgSlideshowFit, "0"};
inline constexpr SettingKey slideshowPairPortraits{"saver", "slideshowPairPortraits", "1", &SaverSettings::cfgSlideshowPairPortraits,
                                                   &SettingTexts::cfgSlideshowPairPortraits, "1"};
inline constexpr SettingKey slideshowCrossfade{"saver", "slideshowCrossfade", "15", &SaverSettings::cfgSlideshowCrossfade,
                                               &SettingTexts::cfgSlideshowCrossfade, "15"};
inline constexpr SettingKey slideshowPanZoom{"saver", "slideshowPanZoom", "1", &SaverSettings::cfgSlideshowPanZoom,
                                             &SettingTexts::cfgSlideshowPanZoom, "1"};
inline constexpr SettingKey slideshowShuffle{"saver", "slideshowShuffle", "1", &SaverSettings::cfgSlideshowShuffle,
                                             &SettingTexts::cfgSlideshowShuffle, "1"};
inline constexpr SettingKey slideshowCaption{"saver", "slideshowCaption", "1", &SaverSettings::cfgSlideshowCaption,
                                             &SettingTexts::cfgSlideshowCaption, "1"};
}  // namespace keys

// Every key, in the order the save writes them; keys added later come last,
// so that the first ones keep their order.
inline constexpr std::array<const SettingKey*, 29> kSettingKeysInFileOrder = {
    &keys::newTotal,      &keys::clonesOfImage,    &keys::imageSpeed,       &keys::mode,
    &keys::speedOfSplat,  &keys::speedOfJump,      &keys::deckGradient,     &keys::psychGradient,
    &keys::nextImageTime, &keys::introImageAmount, &keys::neverChange,      &keys::changeNextImage,
    &keys::mouseSensitivity, &keys::newBackColor,  &keys::effectMode,       &keys::randomEffect,
    &keys::centerImage,   &keys::floatImageSpeed,  &keys::saverPassword,    &keys::saverEnabled,
    &keys::fitLargePictures, &keys::idleMinutes,      &keys::startWhenIdle,    &keys::slideshowFit,
    &keys::slideshowPairPortraits, &keys::slideshowCrossfade, &keys::slideshowPanZoom, &keys::slideshowShuffle,
    &keys::slideshowCaption,
};

// The picture list: keys "0" to N-1 of this section, N being "newTotal".
inline constexpr std::string_view kImagesSection = "images";

}  // namespace skyfolio
