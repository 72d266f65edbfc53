#include "files/program_folder.h"
#include "settings/conversions.h"
#include "settings/settings_file.h"
#include "tests/support/temp_folder.h"
#include "tests/support/unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <string_view>
#include <variant>

namespace skyfolio {
namespace {

using test::readFile;
using test::TempFolder;

// A file replaced, even by the same bytes, is another file.
ino_t fileInode(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        setProgramFolder(folder.path());
        ASSERT_TRUE(installSettingsFile(settingsFilePath()));
    }
    TempFolder folder;
};

TEST(ProgramPathTest, AddsOneSeparatorOnlyWhenMissing) {
    EXPECT_EQ(joinProgramPath("/opt/skyfolio", "r909izarav.ini"), "/opt/skyfolio/r909izarav.ini");
    EXPECT_EQ(joinProgramPath("/", "r909izarav.ini"), "/r909izarav.ini");
    EXPECT_EQ(joinProgramPath("/opt/skyfolio/", "SkyfolioImg/skyfss0.dib"), "/opt/skyfolio/SkyfolioImg/skyfss0.dib");
}

TEST_F(SettingsFileTest, InstalledFileHoldsEveryKeyAndIsInItsFirstRunState) {
    const SettingsFile file;
    EXPECT_TRUE(file.isFirstRun());
    const SaverSettings saver = readSaverSettings(file);
    for (const SettingKey* key : kSettingKeysInFileOrder) {
        EXPECT_EQ(file.read(*key), key->installedValue) << key->key;
        // The saver can use every value as installed.
        std::visit(
            [&](auto field) {
                if constexpr (requires { (saver.*field).convertible(); }) {
                    EXPECT_TRUE((saver.*field).convertible()) << key->key;
                }
            },
            key->saver);
    }
    EXPECT_EQ(file.readImage("0"), "");
    EXPECT_EQ(cacheFilePath("12"), folder.path() + "/SkyfolioImg/skyfss12.dib");
}

// Installed, Float shrinks large pictures; a file from before the option
// lacks it and keeps showing them at their own size. Any text but "0" or "1"
// counts as installed, as the dialog shows it.
TEST_F(SettingsFileTest, LargePicturesShrinkAsInstalledButNotInFilesFromBeforeTheOption) {
    const auto fits = [] { return readSaverSettings(SettingsFile()).cfgFitLargePictures; };
    EXPECT_TRUE(fits());
    for (const auto& [stored, on] : {std::pair{"0", false}, {"1", true}, {" 1 ", true}, {"yes", true}, {"2", true},
                                     {"0.4", false}, {"", false}}) {
        ASSERT_TRUE(writeProfileString(settingsFilePath(), "saver", "fitLargePictures", stored));
        EXPECT_EQ(fits(), on) << '"' << stored << '"';
    }
    test::removeLines(settingsFilePath(), "fitLargePictures=");
    EXPECT_EQ(SettingsFile().read(keys::fitLargePictures), "0");
    EXPECT_FALSE(fits());
}

TEST_F(SettingsFileTest, InstallingAgainKeepsTheUsersFile) {
    ASSERT_TRUE(writeProfileString(settingsFilePath(), "saver", "mode", "6"));
    const std::string before = readFile(settingsFilePath());
    ASSERT_TRUE(installSettingsFile(settingsFilePath()));
    EXPECT_EQ(readFile(settingsFilePath()), before);
}

TEST_F(SettingsFileTest, FirstRunEntriesNameTheSamplesAndOnlyThem) {
    SettingsFile file;
    const std::string before = readFile(settingsFilePath());
    ASSERT_TRUE(file.writeFirstRunEntries());
    EXPECT_EQ(file.readImage("0"), folder.path() + "/Image1.jpg");
    EXPECT_EQ(SettingsFile().readImage("1"), folder.path() + "/Image2.jpg");
    EXPECT_EQ(SettingsFile().read(keys::newTotal), "2");

    // The same file at every start while it is as installed, not written again.
    const std::string once = readFile(settingsFilePath());
    const ino_t inode = fileInode(settingsFilePath());
    ASSERT_TRUE(SettingsFile().writeFirstRunEntries());
    EXPECT_EQ(readFile(settingsFilePath()), once);
    EXPECT_EQ(fileInode(settingsFilePath()), inode);
    EXPECT_NE(once, before);
}

TEST_F(SettingsFileTest, SavingWritesTheListAfreshAndEndsTheFirstRun) {
    SettingTexts texts;
    for (const SettingKey* key : kSettingKeysInFileOrder) texts.*(key->text) = std::string(key->installedValue);
    texts.cfgImageTotal = "5";
    ASSERT_TRUE(writeAllSettings(settingsFilePath(), texts, {"a", "b", "c", "d", "e"}));
    texts.cfgImageTotal = "3";
    texts.cfgPassword = "Geheim ü";
    ASSERT_TRUE(writeAllSettings(settingsFilePath(), texts, {"/p/x.jpg", "/p/y.jpg", "/p/z.jpg"}));

    SettingsFile file;
    EXPECT_FALSE(file.isFirstRun());
    EXPECT_EQ(file.read(keys::newTotal), "3");
    EXPECT_EQ(file.readImage("2"), "/p/z.jpg");
    EXPECT_EQ(file.readImage("3"), "");
    EXPECT_EQ(file.readImage("4"), "");
    EXPECT_EQ(file.read(keys::saverPassword), "Geheim ü");
    ASSERT_TRUE(file.writeFirstRunEntries());  // no longer first run: writes nothing
    EXPECT_EQ(SettingsFile().readImage("0"), "/p/x.jpg");

}

// Each section holds its keys in table order: a key added later goes to the
// end of its section.
TEST_F(SettingsFileTest, AFreshFileHoldsThePicturesThenTheKeysInTableOrder) {
    const std::string fresh = folder.file("fresh.ini");
    ASSERT_TRUE(writeAllSettings(fresh, SettingTexts{}, {"a.jpg"}));
    const std::string bytes = readFile(fresh);
    std::map<std::string_view, size_t> lastInSection;
    for (const SettingKey* key : kSettingKeysInFileOrder) {
        const size_t at = bytes.find("\n" + std::string(key->key) + "=");
        ASSERT_NE(at, std::string::npos) << key->key;
        const size_t section = bytes.find("[" + std::string(key->section) + "]");
        EXPECT_GT(section, bytes.find("0=a.jpg")) << key->key;
        EXPECT_GT(at, std::max(section, lastInSection[key->section])) << key->key;
        EXPECT_FALSE(bytes.find("\n[", section + 1) < at) << key->key << " beyond its section";
        lastInSection[key->section] = at;
    }
}

TEST_F(SettingsFileTest, ASaveThatCannotBeWrittenChangesNothing) {
    const std::string before = readFile(settingsFilePath());
    SettingTexts texts;
    EXPECT_FALSE(writeAllSettings(settingsFilePath(), texts, {"line\nbreak.jpg"}));
    EXPECT_EQ(readFile(settingsFilePath()), before);

    chmod(folder.path().c_str(), 0555);
    EXPECT_TRUE(test::asUnprivilegedUser([&] { return !writeAllSettings(settingsFilePath(), texts, {"a.jpg"}); }));
    EXPECT_EQ(readFile(settingsFilePath()), before);
}

}  // namespace
}  // namespace skyfolio
