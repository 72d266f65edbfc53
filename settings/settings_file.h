#pragma once

#include "files/profile.h"
#include "settings/program_files.h"
#include "settings/saver_settings.h"
#include "settings/setting_keys.h"

#include <string>
#include <string_view>
#include <vector>

namespace skyfolio {

// The settings file as read once at start. Values are read whole: a long
// picture path comes back as it was stored.
class SettingsFile {
public:
    explicit SettingsFile(std::string path = settingsFilePath());

    // The key's text; a missing or empty one reads as the key's absent value.
    std::string read(const SettingKey& key) const;
    // Every key's text.
    SettingTexts readAll() const;
    // The "images" entry under the given key text ("0", "1", ...).
    std::string readImage(std::string_view keyText) const;

    // As installed, before the dialog's first save.
    bool isFirstRun() const;
    // While the file is as installed, names the two sample pictures as
    // pictures "0" and "1". Nothing else is written; nothing at all later.
    WriteResult writeFirstRunEntries();

private:
    ProfileFile profile_;
};

// The settings as the saver uses them, converted once.
SaverSettings readSaverSettings(const SettingsFile& file);

// Writes the whole file as the save does: the picture list under a freshly
// emptied "images" section, then every key in file order, and ends the
// first-run state. All of it reaches the disk or none of it does.
WriteResult writeAllSettings(const std::string& path, const SettingTexts& texts,
                             const std::vector<std::string>& pictures);

// Creates the file in its first-run state with every key at its installed
// value. An existing file is left as it is.
WriteResult installSettingsFile(const std::string& path);

}  // namespace skyfolio
