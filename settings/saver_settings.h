#pragma once

#include "settings/conversions.h"
#include "settings/setting_texts.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyfolio {

// A setting that could not be converted, met where it is used.
class SettingError : public ConversionError {
public:
    SettingError(std::string_view key, std::string text);
    // The key's name as the settings file spells it, and the text it held.
    const std::string& key() const { return key_; }
    const std::string& text() const { return text_; }

private:
    std::string key_;
    std::string text_;
};

// A setting converted once, when read. A text that its conversion refused is
// held as not convertible: using it fails there, naming the setting, so that
// a bad value fails where it would be converted, not before.
template <typename T>
class Held {
public:
    Held() = default;
    Held(T value) : value_(std::move(value)) {}
    static Held notConvertible(std::string_view key, std::string text) {
        Held held;
        held.key_ = key;
        held.text_ = std::move(text);
        return held;
    }

    bool convertible() const { return value_.has_value(); }
    // Throws SettingError when not convertible.
    const T& operator*() const {
        if (!value_) throw SettingError(key_, text_);
        return *value_;
    }
    const T* operator->() const { return &**this; }

private:
    std::optional<T> value_;
    std::string_view key_;
    std::string text_;
};

// Every setting as the saver uses it, converted once by its key's conversion
// (settings/setting_keys.h): a leading number, a strict number, True or
// False, a check box's state, or the text as it stands.
struct SaverSettings {
    double cfgEffect = 0;
    double cfgImageTotal = 0;
    double cfgCopies = 0;  // the number of copies, as stored
    Held<double> cfgImageSpeed;
    Held<double> cfgSplatSpeed;
    double cfgJumpSpeed = 0;
    Held<double> cfgDeckGradient;
    Held<double> cfgPsychGradient;
    double cfgNextImageTime = 0;
    double cfgIntroAmount = 0;
    Held<bool> cfgNeverChange;
    double cfgChangeNext = 0;
    double cfgMouseSensitivity = 0;
    Held<double> cfgBackColor;
    double cfgTransition = 0;
    double cfgRandomTransition = 0;
    double cfgCenterImage = 0;
    double cfgFloatSpeed = 0;
    std::string cfgPassword;
    double cfgPasswordOn = 0;
    bool cfgFitLargePictures = false;  // Float shrinks a picture larger than the screen
    // Slideshow: cut to fill rather than whole, portrait photos in pairs, the
    // crossfade in tenths of a second, pan and zoom, shuffled, captions.
    bool cfgSlideshowFit = false;
    bool cfgSlideshowPairPortraits = true;
    double cfgSlideshowCrossfade = 0;
    bool cfgSlideshowPanZoom = true;
    bool cfgSlideshowShuffle = true;
    bool cfgSlideshowCaption = true;
    // Float's picture paths, entries 0 to N-1 for N pictures and an empty
    // entry N. Sized by the strict value of "newTotal", so not convertible
    // when that is no number.
    Held<std::vector<std::string>> imageFiles;
};

// The texts of every key converted for the saver; `imageEntry` gives the
// "images" entry of each index the count asks for.
SaverSettings convertSaverSettings(const SettingTexts& texts, const std::function<std::string(int index)>& imageEntry);

}  // namespace skyfolio
