#include "dialog/effects_tab.h"
#include "dialog/form2.h"
#include "dialog/frm_about.h"
#include "dialog/image_files_tab.h"
#include "dialog/misc_tab.h"
#include "dialog/picture_list_box.h"
#include "dialog/preview_box.h"
#include "dialog/spin_control.h"
#include "dialog/tab_control.h"
#include "files/files.h"
#include "files/profile.h"
#include "files/program_folder.h"
#include "saver/effects.h"
#include "settings/settings_file.h"
#include "tests/support/settings_dialog_fixture.h"
#include "tests/support/widgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include <gtest/gtest.h>


namespace skyfolio {
namespace {

using test::readFile;

class Form2LoadTest : public test::SettingsDialogTest {};

TEST_F(Form2LoadTest, TheWindowHasEveryDesignedControlUnderItsName) {
    ASSERT_TRUE(installSettingsFile(settingsFilePath()));
    Form2& f = load();
    const char* names[] = {
        "SSTab1", "ProgressBar1", "Ok", "Cancel", "SS_StatusBar", "photoDisplay", "photo1", "Label5", "List1", "Label4",
        "Text3", "up", "down", "add", "remove", "RemoveAll", "EffectLabel", "EffectCbx", "Label12", "ChangeImageText",
        "ChangeImageScroll", "Label11", "NeverChangeOption1", "NeverChangeOption2", "Label10", "IntroAmountText",
        "IntroAmountScroll", "Label8", "ClonesText", "ClonesScroll", "Feature2Label", "Feature2", "Feature2Left",
        "Feature2Right", "TransitionsLabel", "TransitionsCbx", "RndTranCheck", "CenterCheck", "ShrinkCheck",
        "SpeedLabel", "Speed", "Label9(1)", "Label9(2)", "Feature1Label", "Feature1", "Feature1Left", "Feature1Right",
        "Label7", "BackColorPicture", "backColorClick", "Label1", "Label3(1)", "Label3(0)", "MouseSensitiveSlider",
        "Password", "Password_enabled", "Label2", "SS_password", "Label6", "SS_Confirm", "addFolder"};
    for (const char* name : names) EXPECT_NE(f.findChild<QWidget*>(name), nullptr) << name;

    EXPECT_EQ(f.windowTitle(), " Skyfolio ");
    EXPECT_EQ(f.SSTab1->count(), 3);
    EXPECT_EQ(f.SSTab1->tabText(0), "Image Files");
    EXPECT_EQ(f.SSTab1->tabText(2), "Misc.");
    EXPECT_EQ(f.SSTab1->currentIndex(), 0);
    EXPECT_EQ(f.Ok->text(), "&OK");
    EXPECT_EQ(f.imageFiles->RemoveAll->text(), "R&emove All");
    EXPECT_EQ(f.imageFiles->photo1->toolTip(), "Thumbnail preview");
    EXPECT_EQ(f.effects->TransitionsCbx->itemText(3), "Right & Left wipe");
    EXPECT_EQ(f.Exit->text(), "Exit without Saving");
    EXPECT_EQ(f.File->actions().front(), f.AddFolder);
    EXPECT_EQ(f.AddFolder->text(), "Add Folder...");
    EXPECT_EQ(f.imageFiles->addFolder->text(), "&Folder...");
    EXPECT_EQ(f.download->text(), "Download Screen Savers and Shareware");
    EXPECT_TRUE(f.ProgressBar1->isHidden());
    EXPECT_EQ(f.focusWidget(), f.Cancel);
}

TEST_F(Form2LoadTest, AFirstRunListsTheSamplesAndWritesNothingElse) {
    ASSERT_TRUE(installSettingsFile(settingsFilePath()));
    const std::string expected = folder.file("expected.ini");
    test::writeFile(expected, readFile(settingsFilePath()));
    ASSERT_TRUE(SettingsFile(expected).writeFirstRunEntries());

    load();
    EXPECT_EQ(readFile(settingsFilePath()), readFile(expected));
    EXPECT_EQ(listed(), (Strings{folder.path() + "/Image1.jpg", folder.path() + "/Image2.jpg"}));
    EXPECT_EQ(form->imageFiles->Text3->text(), "2");
    EXPECT_EQ(form->imageFiles->List1->currentRow(), 0);
}

TEST_F(Form2LoadTest, TheListHoldsAsManyEntriesAsTheTotalSays) {
    saveFile({{&keys::newTotal, "0"}}, {"/p/a.jpg"});
    load();
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(form->imageFiles->Text3->text(), "0");
    EXPECT_EQ(form->imageFiles->List1->currentRow(), -1);
    EXPECT_TRUE(form->imageFiles->photo1->isBlank());
    EXPECT_TRUE(host.messages.empty());

    saveFile({{&keys::newTotal, "3"}}, {"/p/a.jpg", "/p/b.jpg"});
    load();
    EXPECT_EQ(listed(), (Strings{"/p/a.jpg", "/p/b.jpg", ""}));
    EXPECT_EQ(form->imageFiles->Text3->text(), "3");
    // The first picture cannot be shown, and the dialog says so once it is open.
    EXPECT_TRUE(host.messages.empty());
    appear();
    EXPECT_EQ(host.messages, Strings{"Image file not found.\nYou need to reload a new one."});

    saveFile({{&keys::newTotal, "40000"}}, {"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"});
    load();
    EXPECT_EQ(listed(), (Strings{"/p/a.jpg", "/p/b.jpg"}));

    const std::string longPath = "/" + std::string(3999, 'p');
    Strings many(500, pictures(1)[0]);
    many[499] = longPath;
    saveFile({}, many);
    load();
    EXPECT_EQ(form->imageFiles->List1->count(), 500);
    EXPECT_EQ(listed().back(), longPath);
    EXPECT_TRUE(form->imageFiles->photo1->isBlank());
    appear();
    EXPECT_FALSE(form->imageFiles->photo1->isBlank());
}

TEST_F(Form2LoadTest, TheSensitivitySliderStandsHighForFewMovements) {
    const std::pair<const char*, int> cases[] = {{"1", 15}, {"15", 1}, {"5", 10}, {"13", 2}, {"14", 1},
                                                 {"0", 15}, {"99", 1}, {"several", 10}};
    for (const auto& [stored, position] : cases) {
        saveFile({{&keys::mouseSensitivity, stored}}, {"/p/a.jpg"});
        EXPECT_EQ(load().misc->MouseSensitiveSlider->value(), position) << stored;
    }
}

TEST_F(Form2LoadTest, NeverChangingSelectsNoAndDisablesTheChangeControls) {
    saveFile({{&keys::neverChange, "True"}}, {"/p/a.jpg"});
    EffectsTab& e = *load().effects;
    EXPECT_TRUE(e.NeverChangeOption2->isChecked());
    EXPECT_TRUE(test::paintedAsDisabledField(e.ChangeImageText));
    EXPECT_TRUE(test::paintedAsDisabledField(e.IntroAmountText));
    EXPECT_FALSE(e.ChangeImageScroll->isEnabled());
    EXPECT_FALSE(e.IntroAmountScroll->isEnabled());

    for (const char* stored : {"False", "0"}) {
        saveFile({{&keys::neverChange, stored}}, {"/p/a.jpg"});
        EffectsTab& changing = *load().effects;
        EXPECT_TRUE(changing.NeverChangeOption1->isChecked()) << stored;
        EXPECT_TRUE(test::paintedAsEnabledField(changing.ChangeImageText)) << stored;
        EXPECT_TRUE(changing.IntroAmountScroll->isEnabled()) << stored;
    }
}

TEST_F(Form2LoadTest, AStoredPasswordIsShownMaskedAndDisabledWhileProtectionIsOff) {
    saveFile({{&keys::saverEnabled, "0"}, {&keys::saverPassword, "Geheim"}}, {"/p/a.jpg"});
    MiscTab& m = *load().misc;
    EXPECT_FALSE(m.Password_enabled->isChecked());
    for (QLineEdit* field : {m.SS_password, m.SS_Confirm}) {
        EXPECT_EQ(field->text(), "Geheim");
        EXPECT_EQ(field->displayText(), "******");
        EXPECT_TRUE(test::paintedAsDisabledField(field));
    }
}

TEST_F(Form2LoadTest, NumberBoxesShowTheirValuesAlsoWhenTheyEqualTheDesign) {
    saveFile({{&keys::nextImageTime, "60"}, {&keys::introImageAmount, "1"}, {&keys::clonesOfImage, "1"}}, {"/p/a.jpg"});
    EffectsTab& e = *load().effects;
    EXPECT_EQ(e.ChangeImageText->text(), "60");
    EXPECT_EQ(e.IntroAmountText->text(), "1");
    EXPECT_EQ(e.ClonesText->text(), "1");
}

TEST_F(Form2LoadTest, TheAmountIntroducedNeverExceedsTheCopies) {
    for (const char* copies : {"1", "4"}) {
        saveFile({{&keys::clonesOfImage, copies}, {&keys::introImageAmount, "6"}}, {"/p/a.jpg"});
        EffectsTab& e = *load().effects;
        EXPECT_EQ(e.IntroAmountScroll->maximum(), std::stoi(copies));
        EXPECT_LE(e.IntroAmountScroll->value(), std::stoi(copies));
        EXPECT_EQ(e.IntroAmountText->text().toStdString(), std::to_string(e.IntroAmountScroll->value()));
    }
}

TEST_F(Form2LoadTest, WithoutASettingsFileEveryControlShowsItsInstalledValue) {
    Form2& f = load();
    EXPECT_EQ(f.effects->EffectCbx->currentIndex(), 0);
    EXPECT_EQ(f.effects->ClonesScroll->value(), 10);
    EXPECT_EQ(f.effects->ChangeImageScroll->value(), 10);
    EXPECT_EQ(f.effects->IntroAmountScroll->value(), 3);
    EXPECT_TRUE(f.effects->NeverChangeOption1->isChecked());
    EXPECT_EQ(f.effects->Feature2->value(), 2);
    EXPECT_EQ(f.effects->Speed->value(), 180);
    EXPECT_TRUE(f.effects->RndTranCheck->isChecked());
    EXPECT_EQ(f.misc->MouseSensitiveSlider->value(), 10);
    EXPECT_EQ(f.misc->backColour(), QColor(Qt::black));
    EXPECT_EQ(f.imageFiles->List1->count(), 2);
    EXPECT_FALSE(fileExists(settingsFilePath()));
}

// A damaged value never keeps the dialog from opening, and the next save
// writes the installed value in its place, which the saver can read.
TEST_F(Form2LoadTest, EachDamagedKeyFallsBackToItsInstalledValue) {
    const Strings listedPictures = pictures(2);
    std::vector<std::pair<const SettingKey*, std::string>> damaged = {
        {&keys::mode, "9"},         {&keys::clonesOfImage, "22"}, {&keys::newBackColor, "16777216"},
        {&keys::effectMode, "-1"},  {&keys::randomEffect, "2"},   {&keys::imageSpeed, "201"},
        {&keys::saverEnabled, "1x"}};
    for (const SettingKey* key : kSettingKeysInFileOrder)
        // Any text is a password; the list counts itself.
        if (key != &keys::saverPassword && key != &keys::newTotal)
            for (const char* damage : {"garbage", ""}) damaged.emplace_back(key, damage);

    for (const auto& [key, damage] : damaged) {
        saveFile({{key, damage}}, listedPictures);
        host = {};
        load().OK_Click();
        EXPECT_TRUE(host.ended) << key->key << "=" << damage;
        // A key added later means, when missing, what files from before it did.
        const std::string_view expected =
            damage.empty() && !key->absentValue.empty() ? key->absentValue : key->installedValue;
        EXPECT_EQ(SettingsFile().read(*key), expected) << key->key << "=" << damage;
    }
}

// Files from before the option leave it out; they keep showing every picture
// at its own size until a save writes the option as the box shows it.
TEST_F(Form2LoadTest, TheShrinkBoxShowsTheOptionAndAFileWithoutItAsOff) {
    const Strings listedPictures = pictures(1);
    for (const auto& [stored, checked] : {std::pair{"1", true}, {"0", false}, {"2", true}, {"off", true}}) {
        saveFile({{&keys::fitLargePictures, stored}}, listedPictures);
        EXPECT_EQ(load().effects->ShrinkCheck->isChecked(), checked) << stored;
    }
    saveFile({}, listedPictures);
    test::removeLines(settingsFilePath(), "fitLargePictures=1");
    Form2& f = load();
    EXPECT_FALSE(f.effects->ShrinkCheck->isChecked());
    f.OK_Click();
    EXPECT_TRUE(host.ended);
    EXPECT_EQ(readProfileString(settingsFilePath(), "saver", "fitLargePictures"), "0");
}

TEST_F(Form2LoadTest, LeavingWithoutSavingWritesNothing) {
    saveFile({{&keys::mode, std::to_string(kPsychedelic)}}, pictures(2));
    const std::string before = readFile(settingsFilePath());
    Form2& f = load();
    f.effects->EffectCbx->setCurrentIndex(kJumpingBeans);
    f.effects->ClonesScroll->setValue(2);
    f.misc->Password_enabled->setChecked(true);
    f.imageFiles->List1->clear();
    f.Cancel->click();
    EXPECT_TRUE(host.ended);
    EXPECT_EQ(readFile(settingsFilePath()), before);

    host.ended = false;
    f.Exit->trigger();
    EXPECT_TRUE(host.ended);
    EXPECT_TRUE(f.close());
    EXPECT_EQ(readFile(settingsFilePath()), before);
}

TEST_F(Form2LoadTest, AddFolderAsksForAFolder) {
    saveFile({}, {"/p/a.jpg"});
    Form2& f = load();
    f.AddFolder->trigger();
    EXPECT_EQ(host.folderDialogTitle, "Select a folder to add");
    EXPECT_EQ(listed(), Strings{"/p/a.jpg"});
}

TEST_F(Form2LoadTest, TheAboutBoxAndTheMenuOpenTheHelpPage) {
    saveFile({}, {"/p/a.jpg"});
    Form2& f = load();
    f.show();
    f.About21->trigger();
    frmAbout* about = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = dynamic_cast<frmAbout*>(window); box && box->isVisible()) about = box;
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), " About");
    EXPECT_EQ(about->lblTitle->text(), "Skyfolio");
    EXPECT_EQ(about->lblVersion0->text(), "version 2.0");
    EXPECT_EQ(about->Website->text(), "Our Website");

    about->Website->click();
    f.download->trigger();
    const std::string page = "file://" + folder.path() + "/skyfolio-help.html";
    EXPECT_EQ(host.openedAddresses, (Strings{page, page}));

    about->cmdOK->click();
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(f.isVisible());
}

}  // namespace
}  // namespace skyfolio
