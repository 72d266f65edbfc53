#include "tools/headless_program_folder.h"

#include "dialog/cache_conversion.h"
#include "platform/files.h"
#include "imaging/picture.h"
#include "platform/profile.h"
#include "platform/program_folder.h"
#include "settings/program_files.h"
#include "settings/settings_file.h"
#include "tools/sample_pictures.h"

#include <QFile>

#include <stdexcept>

namespace skyfolio {
namespace {

void prepareFolder(const QTemporaryDir& folder) {
    if (!folder.isValid()) throw std::runtime_error("cannot make a temporary program folder");
    setProgramFolder(folder.path().toStdString());
    if (!makeFolder(cacheFolderPath())) throw std::runtime_error("cannot make " + cacheFolderPath());
}

}  // namespace

HeadlessProgramFolder::HeadlessProgramFolder(const std::vector<std::pair<const SettingKey*, std::string>>& settings) {
    prepareFolder(folder_);
    for (const QImage& sample : {drawSunriseSample(), drawNightSample()}) {
        const std::string picture = programPath("sample" + std::to_string(pictures_) + ".jpg");
        if (!Picture(sample).saveJpeg(picture, 90)) throw std::runtime_error("cannot write " + picture);
        convertPictureForCache(picture, cacheFilePath(std::to_string(pictures_++)));
    }
    writeSettings(settings);
}

HeadlessProgramFolder::HeadlessProgramFolder(const std::vector<std::pair<const SettingKey*, std::string>>& settings,
                                             const std::string& cacheFolder) {
    prepareFolder(folder_);
    for (;; ++pictures_) {
        const std::string name = "skyfss" + std::to_string(pictures_) + ".dib";
        const std::string from = joinProgramPath(cacheFolder, name);
        if (!fileExists(from)) break;
        if (!QFile::copy(QString::fromStdString(from), QString::fromStdString(cacheFilePath(std::to_string(pictures_)))))
            throw std::runtime_error("cannot copy " + from);
    }
    if (pictures_ == 0) throw std::runtime_error("no cache pictures (skyfss0.dib, ...) in " + cacheFolder);
    writeSettings(settings);
}

void HeadlessProgramFolder::writeSettings(const std::vector<std::pair<const SettingKey*, std::string>>& settings) {
    const std::string path = settingsFilePath();
    if (!installSettingsFile(path)) throw std::runtime_error("cannot write " + path);
    const auto write = [&](const SettingKey& key, const std::string& value) {
        if (!writeProfileString(path, key.section, key.key, value)) throw std::runtime_error("cannot write " + path);
    };
    write(keys::newTotal, std::to_string(pictures_));
    for (const auto& [key, value] : settings) write(*key, value);
}

}  // namespace skyfolio
