#include "dialog/option_controls.h"

#include "dialog/colour_value.h"
#include "dialog/dialog_host.h"
#include "dialog/effects_tab.h"
#include "dialog/field_colours.h"
#include "dialog/misc_tab.h"
#include "dialog/slider_mappings.h"
#include "dialog/spin_control.h"
#include "settings/conversions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace skyfolio {
namespace {

std::string checkBoxText(const QCheckBox* box) { return box->isChecked() ? "1" : "0"; }

}  // namespace

OptionControls::OptionControls(EffectsTab& effects, MiscTab& misc, WorkingCopy& settings, DialogHost& host)
    : effects_(effects), misc_(misc), settings_(settings), host_(host) {
    connect(misc_.backColorClick, &QPushButton::clicked, this, [this] { backColorClick_Click(); });
    connect(effects_.CenterCheck, &QCheckBox::toggled, this, [this] { CenterCheck_Click(); });
    connect(effects_.ShrinkCheck, &QCheckBox::toggled, this, [this] { ShrinkCheck_Click(); });
    connect(effects_.RndTranCheck, &QCheckBox::toggled, this, [this] { RndTranCheck_Click(); });
    connect(effects_.TransitionsCbx, &QComboBox::currentIndexChanged, this, [this] { TransitionsCbx_Click(); });
    connect(effects_.ChangeImageScroll, &SpinControl::valueChanged, this, [this] { ChangeImageScroll_Change(); });
    connect(effects_.IntroAmountScroll, &SpinControl::valueChanged, this, [this] { IntroAmountScroll_Change(); });
    for (QRadioButton* option : {effects_.NeverChangeOption1, effects_.NeverChangeOption2})
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected) NeverChangeOption_Click();
        });
    connect(misc_.Password_enabled, &QCheckBox::toggled, this, [this] { Password_enabled_Click(); });
    connect(misc_.SS_password, &QLineEdit::textChanged, this, [this] { SS_password_Change(); });
    connect(misc_.SS_Confirm, &QLineEdit::textChanged, this, [this] { SS_Confirm_Change(); });
    // On the user's moves only; the load positions the slider itself.
    connect(misc_.MouseSensitiveSlider, &QSlider::actionTriggered, this, [this] { MouseSensitiveSlider_Scroll(); });
}

void OptionControls::backColorClick_Click() {
    const std::optional<QColor> chosen = host_.chooseColour(misc_.backColour());
    if (!chosen) return;
    settings_.cfgBackColor = DecimalText(colourValue(*chosen));
    misc_.showBackColour(colourOfValue(RoundInt32(settings_.cfgBackColor)));
}

void OptionControls::CenterCheck_Click() {
    settings_.cfgCenterImage = checkBoxText(effects_.CenterCheck);
    effects_.Speed->setEnabled(!effects_.CenterCheck->isChecked());
}

void OptionControls::ShrinkCheck_Click() { settings_.cfgFitLargePictures = checkBoxText(effects_.ShrinkCheck); }

void OptionControls::RndTranCheck_Click() {
    settings_.cfgRandomTransition = checkBoxText(effects_.RndTranCheck);
    setFieldEnabled(effects_.TransitionsCbx, !effects_.RndTranCheck->isChecked());
}

void OptionControls::TransitionsCbx_Click() {
    settings_.cfgTransition = DecimalText(effects_.TransitionsCbx->currentIndex());
}

void OptionControls::ChangeImageScroll_Change() {
    settings_.cfgNextImageTime = DecimalText(effects_.ChangeImageScroll->value());
    effects_.ChangeImageText->setText(QString::fromStdString(settings_.cfgNextImageTime));
}

void OptionControls::IntroAmountScroll_Change() {
    settings_.cfgIntroAmount = DecimalText(effects_.IntroAmountScroll->value());
    effects_.IntroAmountText->setText(QString::fromStdString(settings_.cfgIntroAmount));
}

void OptionControls::NeverChangeOption_Click() {
    const bool neverChange = effects_.NeverChangeOption2->isChecked();
    settings_.cfgNeverChange = BooleanText(neverChange);
    effects_.enableChangeInterval(!neverChange);
    effects_.enableAmount(!neverChange);
}

void OptionControls::Password_enabled_Click() {
    settings_.cfgPasswordOn = checkBoxText(misc_.Password_enabled);
    misc_.enablePasswordFields(misc_.Password_enabled->isChecked());
}

void OptionControls::SS_password_Change() { settings_.cfgPassword = misc_.SS_password->text().toStdString(); }

void OptionControls::SS_Confirm_Change() { settings_.confirmText = misc_.SS_Confirm->text().toStdString(); }

void OptionControls::MouseSensitiveSlider_Scroll() {
    settings_.cfgMouseSensitivity = mouseSensitivityText(misc_.MouseSensitiveSlider->sliderPosition());
}

}  // namespace skyfolio
