#pragma once

#include "saver/effects.h"

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace skyfolio {

class SpinControl;

// The "Effects" tab. The controls carry their design names; the effect panel
// and the option handlers drive them.
class EffectsTab : public QWidget {
public:
    explicit EffectsTab(QWidget* parent = nullptr);

    // The amount to introduce, and the change interval with it, as the
    // picture-change options and the effect allow them.
    void enableAmount(bool enabled);
    void enableChangeInterval(bool enabled);

    // The controls that the chosen effect shows or hides together.
    const std::vector<QWidget*>& groupControls(OptionGroup group) const {
        return groups_[static_cast<size_t>(group)];
    }

    QLabel* EffectLabel;
    QComboBox* EffectCbx;
    QLabel* Label12;
    QLineEdit* ChangeImageText;
    SpinControl* ChangeImageScroll;
    QLabel* Label11;
    QRadioButton* NeverChangeOption1;
    QRadioButton* NeverChangeOption2;
    QLabel* Label10;
    QLineEdit* IntroAmountText;
    SpinControl* IntroAmountScroll;
    QLabel* Label8;
    QLineEdit* ClonesText;
    SpinControl* ClonesScroll;
    QLabel* Feature2Label;
    QSlider* Feature2;
    QLabel* Feature2Left;
    QLabel* Feature2Right;
    QLabel* TransitionsLabel;
    QComboBox* TransitionsCbx;
    QCheckBox* RndTranCheck;
    QCheckBox* CenterCheck;
    QCheckBox* ShrinkCheck;
    QLabel* SpeedLabel;
    QSlider* Speed;
    QLabel* Label9_1;
    QLabel* Label9_2;
    QLabel* Feature1Label;
    QSlider* Feature1;
    QLabel* Feature1Left;
    QLabel* Feature1Right;
    // Slideshow's options.
    QLabel* SlideshowFitLabel;
    QComboBox* SlideshowFitCbx;
    QLabel* CrossfadeLabel;
    QLineEdit* CrossfadeText;
    SpinControl* CrossfadeScroll;
    QLabel* CrossfadeSeconds;
    QCheckBox* PanZoomCheck;
    QCheckBox* PairPortraitsCheck;
    QCheckBox* ShuffleCheck;
    QCheckBox* CaptionCheck;

private:
    std::array<std::vector<QWidget*>, kOptionGroupCount> groups_;
};

}  // namespace skyfolio
