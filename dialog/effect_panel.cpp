#include "dialog/effect_panel.h"

#include "dialog/control_placement.h"
#include "dialog/effects_tab.h"
#include "dialog/settled_value.h"
#include "dialog/slider_mappings.h"
#include "dialog/spin_control.h"
#include "settings/conversions.h"

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
