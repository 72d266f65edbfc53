#include "dialog/effects_tab.h"
#include "dialog/image_files_tab.h"
#include "dialog/misc_tab.h"
#include "dialog/picture_list.h"
#include "dialog/picture_list_box.h"
#include "files/files.h"
#include "imaging/picture.h"
#include "saver/effects.h"
#include "settings/settings_file.h"
#include "tests/support/settings_dialog_fixture.h"
#include "tests/support/unprivileged.h"
#include "tests/support/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace skyfolio {
namespace {

using test::readFile;

class SettingsSaveTest : public test::SettingsDialogTest {
protected:
    // The "images" section's entries as the file holds them.
    int imageEntries() const {
        const std::string text = readFile(settingsFilePath());
        const size_t start = text.find("[images]");
        const std::string section = text.substr(start, text.find('[', start + 1) - start);
        return static_cast<int>(std::count(section.begin(), section.end(), '='));
    }
};

TEST_F(SettingsSaveTest, ChecksSpeakInOrderAndASaveThatFailsOneWritesNothing) {
    saveFile({}, pictures(1));
    const std::string before = readFile(settingsFilePath());
    Form2& f = load();
    f.misc->Password_enabled->setChecked(true);
    host.answerYes = true;
    f.imageFiles->RemoveAll->click();
    f.Ok->click();
    EXPECT_EQ(host.messages, Strings{"You need to load at least one image file."});

    host.fileToChoose = pictures(1)[0];
    f.imageFiles->add->click();
    host.messages.clear();
    f.Save->trigger();
    f.misc->SS_Confirm->setText("typed");
    f.Ok->click();
    f.misc->SS_password->setText("Typed");
    f.Ok->click();
    EXPECT_EQ(host.messages, (Strings{"You must enter a 'Password' or uncheck 'Password Protection'.",
                                      "The 'Password' and 'Confirm' entries must be the same.",
                                      "The 'Password' and 'Confirm' entries must be the same."}));
    EXPECT_FALSE(host.ended);
    EXPECT_EQ(readFile(settingsFilePath()), before);
    EXPECT_FALSE(fileExists(cacheFolderPath()));
}

TEST_F(SettingsSaveTest, ASaveWritesTheListAfreshConvertsItAndEndsTheProgram) {
    const Strings five = pictures(5);
    saveFile({}, five);
    Form2& f = load();
    f.imageFiles->List1->setCurrentRow(4);
    f.imageFiles->remove->click();
    f.imageFiles->remove->click();
    f.misc->SS_password->setText("not protecting anything");
    f.Ok->click();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.ended);

    const SettingsFile file;
    EXPECT_FALSE(file.isFirstRun());
    EXPECT_EQ(file.read(keys::newTotal), "3");
    EXPECT_EQ(imageEntries(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(file.readImage(std::to_string(i)), five[i]);
    EXPECT_EQ(file.read(keys::saverPassword), "not protecting anything");
    EXPECT_EQ(file.read(keys::saverEnabled), "0");
    // The cache folder was missing; it is made.
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Picture::probe(cacheFilePath(std::to_string(i)))) << i;
    EXPECT_FALSE(fileExists(cacheFilePath("3")));
    EXPECT_EQ(f.ProgressBar1->maximum(), 3);
    EXPECT_EQ(f.ProgressBar1->value(), 3);
}

TEST_F(SettingsSaveTest, CachedPicturesAreReducedByTheTable) {
    const Strings listed = {test::writePicture(folder.file("small.jpg"), 267, 200),   // 4005 x 3000 twips: kept
                            test::writePicture(folder.file("large.jpg"), 400, 267),   // 6000 x 4005 -> 3720 x 2483
                            test::writePicture(folder.file("tall.jpg"), 200, 600)};   // 3000 x 9000 -> 1260 x 3780
    saveFile({}, listed);
    load().OK_Click();
    ASSERT_TRUE(host.ended);
    // The box's single-line border takes a pixel from each side of what is stored.
    EXPECT_EQ(Picture::probe(cacheFilePath("0")), (PictureSize{265, 198}));
    EXPECT_EQ(Picture::probe(cacheFilePath("1")), (PictureSize{246, 164}));
    EXPECT_EQ(Picture::probe(cacheFilePath("2")), (PictureSize{82, 250}));
}

TEST_F(SettingsSaveTest, FloatSavesTheListWithoutTouchingTheCache) {
    saveFile({{&keys::mode, std::to_string(kFloat)}}, {"/p/not even there.jpg"});
    Form2& f = load();
    f.Save->trigger();
    EXPECT_TRUE(host.ended);
    EXPECT_FALSE(fileExists(cacheFolderPath()));
    EXPECT_TRUE(f.ProgressBar1->isHidden());
    EXPECT_EQ(SettingsFile().readImage("0"), "/p/not even there.jpg");
}

TEST_F(SettingsSaveTest, APictureThatFailsToConvertLeavesCacheAndSettingsAsTheyWere) {
    const Strings two = pictures(2);
    saveFile({}, two);
    load().OK_Click();
    ASSERT_TRUE(host.ended);
    const std::string settingsBefore = readFile(settingsFilePath());
    const std::string cache0 = readFile(cacheFilePath("0")), cache1 = readFile(cacheFilePath("1"));

    host = {};
    Form2& f = load();
    f.effects->EffectCbx->setCurrentIndex(kVortex);
    host.fileToChoose = folder.file("deleted.jpg");
    test::writePicture(*host.fileToChoose, 50, 50);
    f.imageFiles->add->click();
    removeFile(*host.fileToChoose);
    f.imageFiles->List1->setCurrentRow(2);
    f.imageFiles->up->click();
    host.messages.clear();
    f.Ok->click();

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rfind("Image Processing Error. Please reload \n" + *host.fileToChoose + "\n", 0), 0u)
        << host.messages[0];
    EXPECT_FALSE(host.ended);
    EXPECT_TRUE(f.ProgressBar1->isHidden());
    EXPECT_TRUE(f.isEnabled());
    EXPECT_EQ(readFile(settingsFilePath()), settingsBefore);
    EXPECT_EQ(readFile(cacheFilePath("0")), cache0);
    EXPECT_EQ(readFile(cacheFilePath("1")), cache1);
    EXPECT_FALSE(fileExists(cacheFilePath("2")));
}

TEST_F(SettingsSaveTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheDialogStays) {
    saveFile({{&keys::mode, std::to_string(kFloat)}}, {"/p/a.jpg"});
    const std::string before = readFile(settingsFilePath());
    Form2& f = load();
    f.imageFiles->List1->item(0)->setData(Qt::UserRole, QByteArray("/p/line\nbreak.jpg"));
    host.messages.clear();
    f.Ok->click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find(settingsFilePath()), std::string::npos) << host.messages[0];
    EXPECT_FALSE(host.ended);
    EXPECT_EQ(readFile(settingsFilePath()), before);
}

TEST_F(SettingsSaveTest, AReadOnlyProgramFolderIsReportedAndLosesNothing) {
    saveFile({}, pictures(2));
    const std::string before = readFile(settingsFilePath());
    Form2& f = load();
    ASSERT_TRUE(makeFolder(cacheFolderPath()));
    test::writeFile(cacheFilePath("0"), "the old picture 0");
    chmod(cacheFolderPath().c_str(), 0777);
    chmod(folder.path().c_str(), 0555);
    EXPECT_TRUE(test::asUnprivilegedUser([&] {
        f.OK_Click();
        return !host.ended && host.messages.size() == 1 &&
               host.messages[0].find("The settings file " + settingsFilePath()) == 0;
    }));
    EXPECT_EQ(readFile(settingsFilePath()), before);
    // The converted pictures never replaced the cache the old settings name.
    EXPECT_EQ(readFile(cacheFilePath("0")), "the old picture 0");
    EXPECT_FALSE(fileExists(cacheFilePath("1")));
    EXPECT_FALSE(fileExists(cacheFilePath("0") + ".new"));
}

}  // namespace
}  // namespace skyfolio
