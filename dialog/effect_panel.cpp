#include "dialog/effect_panel.h"

#include "dialog/control_placement.h"
#include "dialog/effects_tab.h"
#include "dialog/settled_value.h"
#include "dialog/slider_mappings.h"
#include "dialog/spin_control.h"
#include "settings/conversions.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace skyfolio {
namespace {

constexpr int kImageSpeedTickStep = 10;
constexpr int kFloatSpeedTickStep = 1;
constexpr ValueRange kCheckBoxValues{0, 1};
constexpr ValueRange kCrossfadeTenths{0, 30};
constexpr double kTenthsPerSecond = 10;

std::string checkBoxText(const QCheckBox* box) { return box->isChecked() ? "1" : "0"; }

// Slideshow's check boxes and the keys they write.
struct SlideshowCheck {
    QCheckBox* EffectsTab::*box;
    const SettingKey& key;
};
const SlideshowCheck kSlideshowChecks[] = {
    {&EffectsTab::PanZoomCheck, keys::slideshowPanZoom},
    {&EffectsTab::PairPortraitsCheck, keys::slideshowPairPortraits},
    {&EffectsTab::ShuffleCheck, keys::slideshowShuffle},
    {&EffectsTab::CaptionCheck, keys::slideshowCaption},
};

}  // namespace

const DialogLayout* EffectPanel::chosenLayout() const {
    const Effect* effect = findEffect(tab_.EffectCbx->currentIndex());
    return effect ? &effect->layout : nullptr;
}

EffectPanel::EffectPanel(EffectsTab& tab, SettingTexts& settings) : tab_(tab), settings_(settings) {
    connect(tab_.EffectCbx, &QComboBox::currentIndexChanged, this, [this] { EffectCbx_Click(); });
    // A slider's handlers run on the user's moves only, never when the
    // program positions it.
    connect(tab_.Speed, &QSlider::actionTriggered, this, [this] { Speed_Scroll(); });
    connect(tab_.Feature1, &QSlider::actionTriggered, this, [this] { Feature1_Scroll(); });
    connect(tab_.Feature2, &QSlider::actionTriggered, this, [this] { Feature2_Scroll(); });
    connect(tab_.ClonesScroll, &SpinControl::valueChanged, this, [this] { ClonesScroll_Change(); });
    connect(tab_.SlideshowFitCbx, &QComboBox::currentIndexChanged, this, [this] { SlideshowFitCbx_Click(); });
    connect(tab_.CrossfadeScroll, &SpinControl::valueChanged, this, [this] { CrossfadeScroll_Change(); });
    for (const SlideshowCheck& check : kSlideshowChecks)
        connect(tab_.*check.box, &QCheckBox::toggled, this, [this, &check] { SlideshowCheck_Click(tab_.*check.box, check.key); });
}

void EffectPanel::loadSlideshowOptions(const SettingsFile& file) {
    const auto read = [&](const SettingKey& key) -> std::string& { return settings_.*(key.text) = file.read(key); };
    tab_.SlideshowFitCbx->setCurrentIndex(settledValue(read(keys::slideshowFit), keys::slideshowFit, kCheckBoxValues));
    tab_.CrossfadeScroll->setValue(settledValue(read(keys::slideshowCrossfade), keys::slideshowCrossfade, kCrossfadeTenths));
    CrossfadeScroll_Change();
    for (const SlideshowCheck& check : kSlideshowChecks)
        (tab_.*check.box)->setChecked(settledValue(read(check.key), check.key, kCheckBoxValues) == 1);
}

void EffectPanel::SlideshowFitCbx_Click() {
    settings_.cfgSlideshowFit = DecimalText(tab_.SlideshowFitCbx->currentIndex());
}

void EffectPanel::CrossfadeScroll_Change() {
    const int tenths = tab_.CrossfadeScroll->value();
    settings_.cfgSlideshowCrossfade = DecimalText(tenths);
    tab_.CrossfadeText->setText(QString::number(tenths / kTenthsPerSecond, 'f', 1));
}

void EffectPanel::SlideshowCheck_Click(const QCheckBox* box, const SettingKey& key) {
    settings_.*(key.text) = checkBoxText(box);
}

void EffectPanel::EffectCbx_Click() {
    settings_.cfgEffect = DecimalText(tab_.EffectCbx->currentIndex());
    const DialogLayout* layout = chosenLayout();
    if (!layout) return;

    for (size_t group = 0; group < kOptionGroupCount; ++group)
        for (QWidget* control : tab_.groupControls(static_cast<OptionGroup>(group)))
            control->setVisible(layout->shows[group]);
    tab_.SpeedLabel->setText(captionText(layout->speedCaption));

    if (layout->speedIsFloatSpeed) {
        tab_.Speed->setRange(kFloatSpeedRange.low, kFloatSpeedRange.high);
        tab_.Speed->setTickInterval(kFloatSpeedTickStep);
        tab_.Speed->setValue(settledValue(settings_.cfgFloatSpeed, keys::floatImageSpeed, kFloatSpeedRange));
        tab_.Speed->setEnabled(!tab_.CenterCheck->isChecked());
    } else {
        tab_.Speed->setRange(kImageSpeedRange.low, kImageSpeedRange.high);
        tab_.Speed->setTickInterval(kImageSpeedTickStep);
        tab_.Speed->setValue(imageSpeedPosition(settledValue(settings_.cfgImageSpeed, keys::imageSpeed, kImageSpeedRange)));
        tab_.Speed->setEnabled(true);
    }

    if (const SettingKey* feature1 = layout->feature1) {
        tab_.Feature1Label->setText(captionText(layout->feature1Caption));
        tab_.Feature1->setValue(settledValue(settings_.*(feature1->text), *feature1, kFeature1Range));
    }

    tab_.enableAmount(layout->amountFollowsFeature2 ? tab_.Feature2->value() != 0
                                                    : !tab_.NeverChangeOption2->isChecked());
    // Slideshow changes its photos whatever the change on/off option, which it hides.
    if (layout->shown(OptionGroup::Slideshow)) tab_.enableChangeInterval(true);
}

// Slider handlers read the slider's position: while the user moves it, the
// value follows only after the handler.
void EffectPanel::Speed_Scroll() {
    const int v = tab_.Speed->sliderPosition();
    const DialogLayout* layout = chosenLayout();
    if (layout && layout->speedIsFloatSpeed)
        settings_.cfgFloatSpeed = DecimalText(v);
    else
        settings_.cfgImageSpeed = imageSpeedText(v);
}

void EffectPanel::Feature1_Scroll() {
    const DialogLayout* layout = chosenLayout();
    if (layout && layout->feature1) settings_.*(layout->feature1->text) = DecimalText(tab_.Feature1->sliderPosition());
}

void EffectPanel::Feature2_Scroll() {
    const int v = tab_.Feature2->sliderPosition();
    settings_.cfgChangeNext = DecimalText(v);
    tab_.enableAmount(v != 0);
}

void EffectPanel::ClonesScroll_Change() {
    const int c = tab_.ClonesScroll->value();
    // The amount brought in per step never exceeds the copies on screen.
    if (c < tab_.IntroAmountScroll->value()) tab_.IntroAmountScroll->setValue(c);
    tab_.IntroAmountScroll->setMaximum(c);
    tab_.ClonesText->setText(QString::number(c));
    settings_.cfgCopies = DecimalText(c);
}

}  // namespace skyfolio
