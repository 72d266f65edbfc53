#include "dialog/misc_tab.h"

#include "dialog/caption_fit.h"
#include "dialog/control_placement.h"
#include "dialog/field_colours.h"
#include "dialog/settled_value.h"
#include "dialog/tab_control.h"
#include "platform/password_echo.h"
#include "settings/conversions.h"
#include "settings/idle_minutes.h"
#include "settings/setting_keys.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace skyfolio {
namespace {

constexpr int kSensitivityLargeStep = 5;

QLineEdit* passwordField(QWidget* parent, const char* name, Twips at) {
    auto* field = place(new QLineEdit(parent), name, at);
    echoAsAsterisks(*field);
    setFieldEnabled(field, true);
    return field;
}

}  // namespace

MiscTab::MiscTab(QWidget* parent) : QWidget(parent) {
    Label7 = placeLabel(this, "Label7", QStringLiteral("Background Color"), {720, 960, 1575, 255});
    BackColorPicture = place(new QFrame(this), "BackColorPicture", {480, 1440, 495, 375},
                             QStringLiteral("Background Color Display"));
    BackColorPicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    BackColorPicture->setAutoFillBackground(true);
    backColorClick = place(new QPushButton(QStringLiteral("&Choose color..."), this), "backColorClick",
                           {1200, 1440, 1455, 375}, QStringLiteral("Background Color"));

    Label1 = placeLabel(this, "Label1", QStringLiteral("Mouse Sensitivity"), {4080, 960, 1575, 255});
    Label3_1 = placeLabel(this, "Label3(1)", QStringLiteral("Low"), {3720, 1440, 735, 255});
    Label3_0 = placeLabel(this, "Label3(0)", QStringLiteral("High"), {5280, 1440, 735, 255});
    MouseSensitiveSlider = place(new QSlider(Qt::Horizontal, this), "MouseSensitiveSlider", {3720, 1800, 2055, 375},
                                 QStringLiteral("Mouse Sensitivity"));
    MouseSensitiveSlider->setRange(1, 15);
    MouseSensitiveSlider->setSingleStep(1);
    MouseSensitiveSlider->setPageStep(kSensitivityLargeStep);
    MouseSensitiveSlider->setTickPosition(QSlider::TicksBelow);

    IdleStartCheck = place(new QCheckBox(QStringLiteral("Start Skyfolio when I am idle"), this), "IdleStartCheck",
                           {480, 2520, 3375, 375});
    IdleMinutesSpin = place(new QSpinBox(this), "IdleMinutesSpin", {3960, 2520, 735, 375},
                            QStringLiteral("Idle time before Skyfolio starts, in minutes"));
    IdleMinutesSpin->setRange(kFewestIdleMinutes, kMostIdleMinutes);
    IdleMinutesLabel = placeLabel(this, "IdleMinutesLabel", QStringLiteral("minutes"), {4800, 2580, 975, 255});

    Password = place(new QGroupBox(QStringLiteral("Password Protection / Message Board"), this), "Password",
                     {480, 3120, 5415, 1575});
    Password_enabled = place(new QCheckBox(QStringLiteral("Enabled"), Password), "Password_enabled",
                             {240, 600, 975, 375}, QStringLiteral("Enable Password Protection"));
    Label2 = placeLabel(Password, "Label2", QStringLiteral("Password"), {1680, 480, 735, 255});
    SS_password = passwordField(Password, "SS_password", {2640, 480, 2295, 285});
    Label6 = placeLabel(Password, "Label6", QStringLiteral("Confirm"), {1680, 960, 615, 255});
    SS_Confirm = passwordField(Password, "SS_Confirm", {2640, 960, 2295, 285});

    new CaptionFit(Password, frameBounds(Password));
    new CaptionFit(this, pageBounds());
}

void MiscTab::showBackColour(QColor colour) {
    QPalette palette = BackColorPicture->palette();
    palette.setColor(QPalette::Window, colour);
    BackColorPicture->setPalette(palette);
}

QColor MiscTab::backColour() const { return BackColorPicture->palette().color(QPalette::Window); }

void MiscTab::enablePasswordFields(bool enabled) {
    setFieldEnabled(SS_password, enabled);
    setFieldEnabled(SS_Confirm, enabled);
}

void MiscTab::showIdleWatch(std::string& startWhenIdle, std::string& idleMinutes) {
    IdleStartCheck->setChecked(settledValue(startWhenIdle, keys::startWhenIdle, {0, 1}) == 1);
    IdleMinutesSpin->setValue(settledValue(idleMinutes, keys::idleMinutes, {kFewestIdleMinutes, kMostIdleMinutes}));
    connect(IdleStartCheck, &QCheckBox::toggled, this,
            [&startWhenIdle](bool checked) { startWhenIdle = checked ? "1" : "0"; });
    connect(IdleMinutesSpin, &QSpinBox::valueChanged, this,
            [&idleMinutes](int minutes) { idleMinutes = DecimalText(minutes); });
}

}  // namespace skyfolio
