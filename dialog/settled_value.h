#pragma once

#include "settings/setting_keys.h"

#include <string>

namespace skyfolio {

// The values a control can hold, both ends included.
struct ValueRange {
    int low;
    int high;
};

// The whole number a control takes from a setting text: the text converted
// strictly. A text that is missing, not a number or outside the range gives
// the key's installed value, clamped to the range, and is replaced by it, so
// that a save writes what the control shows and the saver can read it.
int settledValue(std::string& text, const SettingKey& key, ValueRange range);

// The same, except that a number outside the range is clamped.
int clampedValue(std::string& text, const SettingKey& key, ValueRange range);

// True or False (or a number); anything else gives the installed value.
bool settledBoolean(std::string& text, const SettingKey& key);

}  // namespace skyfolio
