#pragma once

#include "settings/setting_keys.h"

#include <QTemporaryDir>

#include <string>
#include <utility>
#include <vector>

namespace skyfolio {

// A throw-away program folder for running the saver without a display: the
// settings file as installed with some values changed, and a picture cache.
// The program folder points here while it lives.
class HeadlessProgramFolder {
public:
    // The two sample pictures, put into the cache the way a save does.
    explicit HeadlessProgramFolder(const std::vector<std::pair<const SettingKey*, std::string>>& settings);
    // The cache files skyfss0.dib, skyfss1.dib, ... found in `cacheFolder`.
    HeadlessProgramFolder(const std::vector<std::pair<const SettingKey*, std::string>>& settings,
                          const std::string& cacheFolder);

    // How many cache pictures there are.
    int pictures() const { return pictures_; }

private:
    void writeSettings(const std::vector<std::pair<const SettingKey*, std::string>>& settings);

    QTemporaryDir folder_;
    int pictures_ = 0;
};

}  // namespace skyfolio
