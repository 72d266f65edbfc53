#include "tools/headless_program_folder.h"

#include "dialog/cache_conversion.h"
#include "files/files.h"
#include "files/profile.h"
#include "files/program_folder.h"
#include "imaging/picture.h"
#include "settings/program_files.h"
#include "settings/settings_file.h"
#include "tools/sample_pictures.h"

#include <QDir>
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

HeadlessProgramFolder::HeadlessProgramFolder(const Settings& settings) {
    prepareFolder(folder_);
    for (const QImage& sample : {drawSunriseSample(), drawNightSample()}) {
        const std::string number = std::to_string(pictures_++);
        const std::string picture = programPath("sample" + number + ".jpg");
        if (!Picture(sample).saveJpeg(picture, 90)) throw std::runtime_error("cannot write " + picture);
        convertPictureForCache(picture, cacheFilePath(number));
        listed_.push_back(picture);
    }
    writeSettings(settings);
}

HeadlessProgramFolder::HeadlessProgramFolder(const Settings& settings, const CacheFolder& cache) {
    prepareFolder(folder_);
    for (;; ++pictures_) {
        const std::string number = std::to_string(pictures_);
        const std::string from = joinProgramPath(cache.path, "skyfss" + number + ".dib");
        if (!fileExists(from)) break;
        if (!QFile::copy(QString::fromStdString(from), QString::fromStdString(cacheFilePath(number))))
            throw std::runtime_error("cannot copy " + from);
    }
    if (pictures_ == 0) throw std::runtime_error("no cache pictures (skyfss0.dib, ...) in " + cache.path);
    writeSettings(settings);
}

HeadlessProgramFolder::HeadlessProgramFolder(const Settings& settings, const PictureFolder& pictures) {
    prepareFolder(folder_);
    const QDir folder(QString::fromStdString(pictures.path));
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
        listed_.push_back(folder.absoluteFilePath(name).toStdString());
    pictures_ = int(listed_.size());
    if (pictures_ == 0) throw std::runtime_error("no picture files in " + pictures.path);
    writeSettings(settings);
}

void HeadlessProgramFolder::writeSettings(const Settings& settings) {
    const std::string path = settingsFilePath();
    if (!installSettingsFile(path)) throw std::runtime_error("cannot write " + path);
    ProfileFile file(path);
    const auto write = [&](std::string_view section, std::string_view key, const std::string& value) {
        if (!file.write(section, key, value)) throw std::runtime_error("cannot write " + path);
    };
    for (size_t i = 0; i < listed_.size(); ++i) write(kImagesSection, std::to_string(i), listed_[i]);
    write(keys::newTotal.section, keys::newTotal.key, std::to_string(pictures_));
    for (const auto& [key, value] : settings) write(key->section, key->key, value);
    if (!file.save()) throw std::runtime_error("cannot write " + path);
}

}  // namespace skyfolio
