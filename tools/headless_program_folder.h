#pragma once

#include "settings/setting_keys.h"

#include <QTemporaryDir>

#include <string>
#include <utility>
#include <vector>

namespace skyfolio {

// A throw-away program folder for running the saver without a display: the
// settings file as installed with some values changed, and the pictures.
// The program folder points here while it lives.
class HeadlessProgramFolder {
public:
    using Settings = std::vector<std::pair<const SettingKey*, std::string>>;
    struct CacheFolder {
        std::string path;
    };
    struct PictureFolder {
        std::string path;
    };

    // The two sample pictures, listed and put into the cache the way a save does.
    explicit HeadlessProgramFolder(const Settings& settings);
    // The cache files skyfss0.dib, skyfss1.dib, ... found in the folder.
    HeadlessProgramFolder(const Settings& settings, const CacheFolder& cache);
    // Every file in the folder, listed in the order of their names, for Float.
    HeadlessProgramFolder(const Settings& settings, const PictureFolder& pictures);

    // How many pictures there are.
    int pictures() const { return pictures_; }

private:
    void writeSettings(const Settings& settings);

    QTemporaryDir folder_;
    int pictures_ = 0;
    std::vector<std::string> listed_;  // the picture files the settings list
};

}  // namespace skyfolio
