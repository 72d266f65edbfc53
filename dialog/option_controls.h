#pragma once

#include "dialog/working_copy.h"

#include <QObject>

namespace skyfolio {

class DialogHost;
class EffectsTab;
class MiscTab;

// The handlers of the option controls outside the effect panel and the
// picture list. Each writes its setting text the moment its control changes
// and enables or disables the controls that depend on it.
class OptionControls : public QObject {
public:
    OptionControls(EffectsTab& effects, MiscTab& misc, WorkingCopy& settings, DialogHost& host);

    void backColorClick_Click();
    void CenterCheck_Click();
    void ShrinkCheck_Click();
    void RndTranCheck_Click();
    void TransitionsCbx_Click();
    void ChangeImageScroll_Change();
    void IntroAmountScroll_Change();
    // The handler of both NeverChangeOption1 ("Yes") and NeverChangeOption2 ("No").
    void NeverChangeOption_Click();
    void Password_enabled_Click();
    void SS_password_Change();
    void SS_Confirm_Change();
    void MouseSensitiveSlider_Scroll();

private:
    EffectsTab& effects_;
    MiscTab& misc_;
    WorkingCopy& settings_;
    DialogHost& host_;
};

}  // namespace skyfolio
