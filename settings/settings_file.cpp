#include "settings/settings_file.h"

#include "files/files.h"
#include "files/program_folder.h"

namespace skyfolio {
namespace {

// The mark of a file as installed; the first save removes the section.
constexpr std::string_view kFirstRunSection = "install";
constexpr std::string_view kFirstRunKey = "firstRun";
constexpr std::string_view kFirstRunValue = "1";

}  // namespace

SettingsFile::SettingsFile(std::string path) : profile_(std::move(path)) {}

std::string SettingsFile::read(const SettingKey& key) const {
    std::string text = profile_.read(key.section, key.key);
    if (text.empty()) text = key.absentValue;
    return text;
}

SettingTexts SettingsFile::readAll() const {
    SettingTexts texts;
    for (const SettingKey* key : kSettingKeysInFileOrder) texts.*(key->text) = read(*key);
    return texts;
}

std::string SettingsFile::readImage(std::string_view keyText) const { return profile_.read(kImagesSection, keyText); }

bool SettingsFile::isFirstRun() const { return profile_.read(kFirstRunSection, kFirstRunKey) == kFirstRunValue; }

WriteResult SettingsFile::writeFirstRunEntries() {
    if (!isFirstRun()) return {};
    // Every start until the dialog's first save comes here, one per monitor
    // under a daemon: the file is written once, not at each of them.
    bool written = true;
    for (size_t i = 0; i < std::size(kSamplePictures); ++i)
        written = written && readImage(std::to_string(i)) == programPath(kSamplePictures[i]);
    if (written) return {};
    for (size_t i = 0; i < std::size(kSamplePictures); ++i)
        if (WriteResult r = profile_.write(kImagesSection, std::to_string(i), programPath(kSamplePictures[i])); !r)
            return r;
    return profile_.save();
}

SaverSettings readSaverSettings(const SettingsFile& file) {
    return convertSaverSettings(file.readAll(), [&](int index) { return file.readImage(std::to_string(index)); });
}

WriteResult writeAllSettings(const std::string& path, const SettingTexts& texts,
                             const std::vector<std::string>& pictures) {
    ProfileFile file(path);
    std::vector<std::pair<std::string, std::string>> images;
    images.reserve(pictures.size());
    for (size_t i = 0; i < pictures.size(); ++i) images.emplace_back(std::to_string(i), pictures[i]);
    if (WriteResult r = file.replaceSection(kImagesSection, images); !r) return r;
    for (const SettingKey* key : kSettingKeysInFileOrder)
        if (WriteResult r = file.write(key->section, key->key, texts.*(key->text)); !r) return r;
    file.deleteSection(kFirstRunSection);
    return file.save();
}

WriteResult installSettingsFile(const std::string& path) {
    if (fileExists(path)) return {};
    ProfileFile file(path);
    for (const SettingKey* key : kSettingKeysInFileOrder)
        if (WriteResult r = file.write(key->section, key->key, key->installedValue); !r) return r;
    if (WriteResult r = file.write(kFirstRunSection, kFirstRunKey, kFirstRunValue); !r) return r;
    return file.save();
}

}  // namespace skyfolio
