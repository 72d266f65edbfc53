#include "dialog/settled_value.h"

#include "settings/conversions.h"

#include <algorithm>
#include <optional>

namespace skyfolio {
namespace {

std::optional<int> strictWholeNumber(const std::string& text) {
    try {
        return RoundInt32(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

int replaced(std::string& text, int value) {
    text = DecimalText(value);
    return value;
}

int installedValue(const SettingKey& key, ValueRange range) {
    return std::clamp(RoundInt32(key.installedValue), range.low, range.high);
}

}  // namespace

int settledValue(std::string& text, const SettingKey& key, ValueRange range) {
    const std::optional<int> value = strictWholeNumber(text);
    if (value && *value >= range.low && *value <= range.high) return *value;
    return replaced(text, installedValue(key, range));
}

int clampedValue(std::string& text, const SettingKey& key, ValueRange range) {
    const std::optional<int> value = strictWholeNumber(text);
    if (!value) return replaced(text, installedValue(key, range));
    if (*value < range.low || *value > range.high) return replaced(text, std::clamp(*value, range.low, range.high));
    return *value;
}

bool settledBoolean(std::string& text, const SettingKey& key) {
    try {
        return BooleanValue(text);
    } catch (const ConversionError&) {
        text = std::string(key.installedValue);
        return BooleanValue(text);
    }
}

}  // namespace skyfolio
