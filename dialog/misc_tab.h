#pragma once

#include <QColor>
#include <QWidget>

#include <string>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace skyfolio {

// The "Misc." tab: background colour, mouse sensitivity, the idle watch and
// the password.
// The controls carry their design names; the option handlers drive them.
class MiscTab : public QWidget {
public:
    explicit MiscTab(QWidget* parent = nullptr);

    void showBackColour(QColor colour);
    QColor backColour() const;
    // The password fields keep their text either way.
    void enablePasswordFields(bool enabled);
    // Shows the idle watch's settings, a text the controls cannot take as
    // installed, and writes each change back into the texts, which must
    // outlive the tab.
    void showIdleWatch(std::string& startWhenIdle, std::string& idleMinutes);

    QLabel* Label7;
    QFrame* BackColorPicture;
    QPushButton* backColorClick;
    QLabel* Label1;
    QLabel* Label3_1;
    QLabel* Label3_0;
    QSlider* MouseSensitiveSlider;
    QCheckBox* IdleStartCheck;
    QSpinBox* IdleMinutesSpin;
    QLabel* IdleMinutesLabel;
    QGroupBox* Password;
    QCheckBox* Password_enabled;
    QLabel* Label2;
    QLineEdit* SS_password;
    QLabel* Label6;
    QLineEdit* SS_Confirm;
};

}  // namespace skyfolio
