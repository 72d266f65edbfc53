#include "dialog/effect_panel.h"
#include "dialog/effects_tab.h"
#include "dialog/misc_tab.h"
#include "dialog/option_controls.h"
#include "dialog/spin_control.h"
#include "saver/effects.h"
#include "tests/support/fake_dialog_host.h"
#include "settings/settings_file.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"
#include "tests/support/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

using test::paintedAsDisabledField;
using test::paintedAsEnabledField;

class EffectOptionsTest : public ::testing::Test {
protected:
    EffectOptionsTest() {
        for (const SettingKey* key : kSettingKeysInFileOrder) settings.*(key->text) = std::string(key->installedValue);
    }

    void choose(int effect) {
        effects.EffectCbx->setCurrentIndex(effect);
        panel.EffectCbx_Click();  // also when the effect was already chosen
    }
    // As the user drags a slider.
    static void move(QSlider* slider, int to) { slider->setSliderPosition(to); }

    test::QtApplication qt;
    WorkingCopy settings;
    EffectsTab effects;
    MiscTab misc;
    test::FakeDialogHost host;
    EffectPanel panel{effects, settings};
    OptionControls options{effects, misc, settings, host};
};

TEST_F(EffectOptionsTest, EachEffectShowsItsOwnGroupsOfOptions) {
    struct Layout {
        // effect speed, change frequency, change on/off, amount, copies, transitions, change interval, large pictures
        const char* shown;
        QString speedCaption;
        QString feature1Caption;
        int speedMaximum;
    };
    const Layout layouts[] = {
        {"00111010", "Image Speed", {}, 200},          {"00100111", "Float Speed", {}, 5},
        {"00111010", "Image Speed", {}, 200},          {"11011000", "Image Speed", "Psychedelic Speed", 200},
        {"10111010", "Image Speed", "Deck Speed", 200}, {"11011000", "Image Speed", "Jumping Speed", 200},
        {"00111010", "Image Speed", {}, 200},          {"11011000", "Image Speed", "Splat Speed", 200},
    };
    const std::vector<std::vector<QWidget*>> groups = {
        {effects.Feature1, effects.Feature1Label, effects.Feature1Right},
        {effects.Feature2, effects.Feature2Label, effects.Feature2Left},
        {effects.NeverChangeOption1, effects.NeverChangeOption2},
        {effects.IntroAmountScroll, effects.IntroAmountText, effects.Label10},
        {effects.ClonesScroll, effects.ClonesText, effects.Label8},
        {effects.TransitionsCbx, effects.TransitionsLabel, effects.RndTranCheck, effects.CenterCheck},
        {effects.ChangeImageScroll, effects.ChangeImageText, effects.Label11, effects.Label12},
        {effects.ShrinkCheck},
    };
    for (int e = 0; e < 8; ++e) {
        choose(e);
        EXPECT_EQ(settings.cfgEffect, std::to_string(e));
        for (size_t g = 0; g < groups.size(); ++g)
            for (QWidget* control : groups[g])
                EXPECT_EQ(!control->isHidden(), layouts[e].shown[g] == '1') << "effect " << e << " " << control->objectName().toStdString();
        EXPECT_FALSE(effects.Speed->isHidden());
        EXPECT_EQ(effects.SpeedLabel->text(), layouts[e].speedCaption);
        EXPECT_EQ(effects.Speed->maximum(), layouts[e].speedMaximum);
        if (!layouts[e].feature1Caption.isEmpty()) {
            EXPECT_EQ(effects.Feature1Label->text(), layouts[e].feature1Caption);
        }
    }
}

TEST_F(EffectOptionsTest, SlideshowShowsItsOwnOptionsReadAndWrittenAsTheOthersAre) {
    const test::TempFolder folder;
    const std::string file = folder.file("r909izarav.ini");
    test::writeFile(file, "[saver]\nslideshowFit=1\nslideshowCrossfade=45\nslideshowPanZoom=0\nslideshowShuffle=x\n");
    panel.loadSlideshowOptions(SettingsFile(file));
    EXPECT_EQ(effects.SlideshowFitCbx->currentIndex(), 1);
    EXPECT_EQ(effects.CrossfadeScroll->value(), 15) << "out of range: as installed";
    EXPECT_EQ(effects.CrossfadeText->text(), "1.5");
    EXPECT_FALSE(effects.PanZoomCheck->isChecked());
    EXPECT_TRUE(effects.ShuffleCheck->isChecked()) << "no number: as installed";
    EXPECT_TRUE(effects.PairPortraitsCheck->isChecked()) << "missing: as installed";
    EXPECT_EQ(settings.cfgSlideshowCrossfade, "15");
    EXPECT_EQ(settings.cfgSlideshowShuffle, "1");

    choose(kSlideshow);
    EXPECT_FALSE(effects.CaptionCheck->isHidden());
    EXPECT_FALSE(effects.ChangeImageScroll->isHidden());
    EXPECT_TRUE(effects.Speed->isHidden());
    EXPECT_TRUE(effects.ClonesScroll->isHidden());
    effects.CaptionCheck->setChecked(false);
    effects.CrossfadeScroll->setValue(0);
    effects.SlideshowFitCbx->setCurrentIndex(0);
    EXPECT_EQ(settings.cfgSlideshowCaption, "0");
    EXPECT_EQ(settings.cfgSlideshowCrossfade, "0");
    EXPECT_EQ(effects.CrossfadeText->text(), "0.0");
    EXPECT_EQ(settings.cfgSlideshowFit, "0");
    choose(kFloat);
    EXPECT_TRUE(effects.CaptionCheck->isHidden());
    EXPECT_FALSE(effects.Speed->isHidden());
}

TEST_F(EffectOptionsTest, TheSpeedSliderRunsFromTheSlowestIntervalToTheFastest) {
    settings.cfgImageSpeed = "200";
    choose(kSkyflock);
    EXPECT_EQ(effects.Speed->value(), 1);
    settings.cfgImageSpeed = "1";
    choose(kSkyflock);
    EXPECT_EQ(effects.Speed->value(), 200);
    settings.cfgImageSpeed = "50";
    choose(kWarp);
    EXPECT_EQ(effects.Speed->value(), 150);

    move(effects.Speed, 199);
    EXPECT_EQ(settings.cfgImageSpeed, "1");
    move(effects.Speed, 2);
    EXPECT_EQ(settings.cfgImageSpeed, "198");
    EXPECT_EQ(settings.cfgFloatSpeed, "3");
}

TEST_F(EffectOptionsTest, FloatSpeedIsItsOwnSettingAndDoNotFloatDisablesIt) {
    settings.cfgFloatSpeed = "4";
    effects.CenterCheck->setChecked(true);
    EXPECT_EQ(settings.cfgCenterImage, "1");
    choose(kFloat);
    EXPECT_EQ(effects.Speed->value(), 4);
    EXPECT_FALSE(effects.Speed->isEnabled());

    effects.CenterCheck->setChecked(false);
    EXPECT_TRUE(effects.Speed->isEnabled());
    move(effects.Speed, 2);
    EXPECT_EQ(settings.cfgFloatSpeed, "2");
    EXPECT_EQ(settings.cfgImageSpeed, "20");
}

TEST_F(EffectOptionsTest, ShrinkingLargePicturesIsFloatsOwnCheckBoxInARowOfItsOwn) {
    effects.ShrinkCheck->setChecked(true);
    EXPECT_EQ(settings.cfgFitLargePictures, "1");
    effects.ShrinkCheck->setChecked(false);
    EXPECT_EQ(settings.cfgFitLargePictures, "0");

    // Float's other controls stay where they are: the box lies clear of every
    // one, and its caption is not cut off.
    choose(kFloat);
    const QRect box = effects.ShrinkCheck->geometry();
    EXPECT_GE(box.width(), effects.ShrinkCheck->sizeHint().width());
    for (QWidget* control : effects.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control == effects.ShrinkCheck || control->isHidden()) continue;
        EXPECT_FALSE(box.intersects(control->geometry())) << control->objectName().toStdString();
    }
}

TEST_F(EffectOptionsTest, EffectSpeedsAreKeptPerEffectAcrossSwitches) {
    settings.cfgPsychGradient = "7";
    settings.cfgSplatSpeed = "16";
    choose(kPsychedelic);
    EXPECT_EQ(effects.Feature1->value(), 7);
    move(effects.Feature1, 12);
    EXPECT_EQ(settings.cfgPsychGradient, "12");
    choose(kSplat);
    EXPECT_EQ(effects.Feature1->value(), 16);
    choose(kPsychedelic);
    EXPECT_EQ(effects.Feature1->value(), 12);
    EXPECT_EQ(settings.cfgSplatSpeed, "16");
    EXPECT_EQ(settings.cfgDeckGradient, "10");
}

TEST_F(EffectOptionsTest, TheAmountFollowsTheChangeFrequencyOrTheChangeOptionByEffect) {
    effects.NeverChangeOption1->setChecked(true);
    choose(kPsychedelic);
    move(effects.Feature2, 2);
    EXPECT_EQ(settings.cfgChangeNext, "2");
    EXPECT_TRUE(paintedAsEnabledField(effects.IntroAmountText));
    move(effects.Feature2, 0);
    EXPECT_EQ(settings.cfgChangeNext, "0");
    EXPECT_TRUE(paintedAsDisabledField(effects.IntroAmountText));
    EXPECT_FALSE(effects.IntroAmountScroll->isEnabled());

    choose(kSkyflock);  // Skyflock: the "Yes" option decides, not Feature2
    EXPECT_TRUE(effects.Feature2->isHidden());
    EXPECT_TRUE(paintedAsEnabledField(effects.IntroAmountText));
    EXPECT_TRUE(effects.IntroAmountScroll->isEnabled());
}

TEST_F(EffectOptionsTest, FewerCopiesLowerTheAmountIntroducedAndMoreLeaveIt) {
    effects.ClonesScroll->setValue(10);
    effects.IntroAmountScroll->setValue(8);
    effects.ClonesScroll->setValue(5);
    EXPECT_EQ(effects.IntroAmountScroll->value(), 5);
    EXPECT_EQ(effects.IntroAmountScroll->maximum(), 5);
    EXPECT_EQ(settings.cfgIntroAmount, "5");
    EXPECT_EQ(effects.IntroAmountText->text(), "5");
    EXPECT_EQ(settings.cfgCopies, "5");
    EXPECT_EQ(effects.ClonesText->text(), "5");

    effects.ClonesScroll->setValue(12);
    EXPECT_EQ(effects.IntroAmountScroll->value(), 5);
    EXPECT_EQ(effects.IntroAmountScroll->maximum(), 12);
}

TEST_F(EffectOptionsTest, ASpinControlsUpperArrowRaisesItsValue) {
    auto* bar = effects.ChangeImageScroll->findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    effects.ChangeImageScroll->setValue(30);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
    EXPECT_EQ(effects.ChangeImageScroll->value(), 31);
    EXPECT_EQ(settings.cfgNextImageTime, "31");
    EXPECT_EQ(effects.ChangeImageText->text(), "31");
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click on the track below the thumb
    EXPECT_EQ(effects.ChangeImageScroll->value(), 30);
}

TEST_F(EffectOptionsTest, RandomTransitionsDisableTheListAndClearingKeepsItsChoice) {
    effects.TransitionsCbx->setCurrentIndex(3);
    EXPECT_EQ(settings.cfgTransition, "3");
    effects.RndTranCheck->setChecked(true);
    EXPECT_EQ(settings.cfgRandomTransition, "1");
    EXPECT_TRUE(paintedAsDisabledField(effects.TransitionsCbx));
    effects.RndTranCheck->setChecked(false);
    EXPECT_EQ(settings.cfgRandomTransition, "0");
    EXPECT_TRUE(paintedAsEnabledField(effects.TransitionsCbx));
    EXPECT_EQ(effects.TransitionsCbx->currentIndex(), 3);
}

TEST_F(EffectOptionsTest, NeverChangingDisablesTheChangeControlsButKeepsTheirSettings) {
    settings.cfgNextImageTime = "25";
    settings.cfgIntroAmount = "4";
    effects.NeverChangeOption2->setChecked(true);
    EXPECT_EQ(settings.cfgNeverChange, "True");
    for (QWidget* field : {static_cast<QWidget*>(effects.ChangeImageText), static_cast<QWidget*>(effects.IntroAmountText)})
        EXPECT_TRUE(paintedAsDisabledField(field));
    EXPECT_FALSE(effects.ChangeImageScroll->isEnabled());
    EXPECT_FALSE(effects.IntroAmountScroll->isEnabled());
    EXPECT_EQ(settings.cfgNextImageTime, "25");
    EXPECT_EQ(settings.cfgIntroAmount, "4");

    effects.NeverChangeOption1->setChecked(true);
    EXPECT_EQ(settings.cfgNeverChange, "False");
    EXPECT_TRUE(paintedAsEnabledField(effects.ChangeImageText));
    EXPECT_TRUE(effects.IntroAmountScroll->isEnabled());
}

TEST_F(EffectOptionsTest, PasswordFieldsFollowEveryKeystrokeAndKeepTheirTextWhenDisabled) {
    misc.Password_enabled->setChecked(true);
    EXPECT_EQ(settings.cfgPasswordOn, "1");
    EXPECT_TRUE(paintedAsEnabledField(misc.SS_password));
    misc.SS_password->insert("a");
    EXPECT_EQ(settings.cfgPassword, "a");
    misc.SS_password->insert("b");
    EXPECT_EQ(settings.cfgPassword, "ab");
    misc.SS_Confirm->insert("ab");
    EXPECT_EQ(settings.confirmText, "ab");

    misc.Password_enabled->setChecked(false);
    EXPECT_EQ(settings.cfgPasswordOn, "0");
    EXPECT_TRUE(paintedAsDisabledField(misc.SS_password));
    EXPECT_TRUE(paintedAsDisabledField(misc.SS_Confirm));
    EXPECT_EQ(misc.SS_password->text(), "ab");
    EXPECT_EQ(settings.cfgPassword, "ab");

    misc.SS_password->clear();
    EXPECT_EQ(settings.cfgPassword, "");
}

TEST_F(EffectOptionsTest, TheSensitivitySliderStoresMovementCountsWithHighAsFew) {
    const char* stored[] = {"15", "13", "12", "11", "10", "9", "8", "7", "6", "5", "4", "3", "2", "1", "1"};
    for (int position : {14, 15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}) {
        move(misc.MouseSensitiveSlider, position);
        EXPECT_EQ(settings.cfgMouseSensitivity, stored[position - 1]) << position;
    }
}

TEST_F(EffectOptionsTest, TheChosenColourIsStoredRedInTheLowestByte) {
    misc.showBackColour(Qt::blue);
    host.colourToChoose = QColor(Qt::red);
    options.backColorClick_Click();
    EXPECT_EQ(host.colourOffered, QColor(Qt::blue));
    EXPECT_EQ(settings.cfgBackColor, "255");
    EXPECT_EQ(misc.backColour(), QColor(Qt::red));

    host.colourToChoose = QColor(Qt::white);
    options.backColorClick_Click();
    EXPECT_EQ(settings.cfgBackColor, "16777215");
    host.colourToChoose = QColor(Qt::black);
    options.backColorClick_Click();
    EXPECT_EQ(settings.cfgBackColor, "0");

    host.colourToChoose.reset();  // cancelled
    options.backColorClick_Click();
    EXPECT_EQ(settings.cfgBackColor, "0");
    EXPECT_EQ(misc.backColour(), QColor(Qt::black));
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace skyfolio
