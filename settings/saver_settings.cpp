#include "settings/saver_settings.h"

#include "settings/setting_keys.h"

#include <algorithm>
#include <variant>

namespace skyfolio {
namespace {

template <typename... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Clang before 17 deduces no aggregate's arguments by itself.
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

template <typename T, typename Convert>
Held<T> held(const SettingKey& key, const std::string& text, Convert convert) {
    try {
        return convert(text);
    } catch (const ConversionError&) {
        return Held<T>::notConvertible(key.key, text);
    }
}

// A check box's state as the dialog shows it for the text: the text read
// strictly as a whole number, 1 checked and 0 clear; any other text, the
// installed state.
bool checkBoxValue(const SettingKey& key, const std::string& text) {
    try {
        if (const int32_t value = RoundInt32(text); value == 0 || value == 1) return value == 1;
    } catch (const ConversionError&) {
    }
    return RoundInt32(key.installedValue) == 1;
}

Held<std::vector<std::string>> pictureList(const std::string& total,
                                           const std::function<std::string(int index)>& imageEntry) {
    return held<std::vector<std::string>>(keys::newTotal, total, [&](const std::string& text) {
        // The range is checked before anything is allocated: a hand-edited
        // count of billions is not a value, not a request for gigabytes.
        const int last = RoundInt16(StrictNumber(text) - 1);
        std::vector<std::string> files(static_cast<size_t>(std::max(0, RoundInt32(text))) + 1);
        for (int i = 0; i <= last; ++i) files[static_cast<size_t>(i)] = imageEntry(i);
        return files;
    });
}

}  // namespace

SettingError::SettingError(std::string_view key, std::string text)
    : ConversionError(std::string(key) + ": not a value that can be used: \"" + text + "\""),
      key_(key),
      text_(std::move(text)) {}

SaverSettings convertSaverSettings(const SettingTexts& texts, const std::function<std::string(int index)>& imageEntry) {
    SaverSettings settings;
    for (const SettingKey* key : kSettingKeysInFileOrder) {
        const std::string& text = texts.*(key->text);
        std::visit(Overloaded{
                       [&](double SaverSettings::*field) { settings.*field = NumberValue(text); },
                       [&](Held<double> SaverSettings::*field) {
                           settings.*field = held<double>(*key, text, [](const std::string& t) { return StrictNumber(t); });
                       },
                       [&](Held<bool> SaverSettings::*field) {
                           settings.*field = held<bool>(*key, text, [](const std::string& t) { return BooleanValue(t); });
                       },
                       [&](bool SaverSettings::*field) { settings.*field = checkBoxValue(*key, text); },
                       [&](std::string SaverSettings::*field) { settings.*field = text; },
                       [](std::monostate) {},
                   },
                   key->saver);
    }
    settings.imageFiles = pictureList(texts.cfgImageTotal, imageEntry);
    return settings;
}

}  // namespace skyfolio
