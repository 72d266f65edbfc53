#pragma once

#include <QColor>
#include <QWidget>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace skyfolio {

// The "Misc." tab: background colour, mouse sensitivity and the password.
// The controls carry their design names; the option handlers drive them.
class MiscTab : public QWidget {
public:
    explicit MiscTab(QWidget* parent = nullptr);

    void showBackColour(QColor colour);
    QColor backColour() const;
    // The password fields keep their text either way.
    void enablePasswordFields(bool enabled);

    QLabel* Label7;
    QFrame* BackColorPicture;
    QPushButton* backColorClick;
    QLabel* Label1;
    QLabel* Label3_1;
    QLabel* Label3_0;
    QSlider* MouseSensitiveSlider;
    QGroupBox* Password;
    QCheckBox* Password_enabled;
    QLabel* Label2;
    QLineEdit* SS_password;
    QLabel* Label6;
    QLineEdit* SS_Confirm;
};

}  // namespace skyfolio
