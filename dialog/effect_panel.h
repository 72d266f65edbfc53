#pragma once

#include "settings/setting_texts.h"

#include <QObject>

class QCheckBox;

namespace skyfolio {

class EffectsTab;
class SettingsFile;
struct DialogLayout;
struct SettingKey;

// The handlers of the controls whose meaning changes with the chosen effect:
// the effect list lays out the Effects tab, the sliders and the copies spin
// control write their settings at once.
class EffectPanel : public QObject {
public:
    EffectPanel(EffectsTab& tab, SettingTexts& settings);

    void EffectCbx_Click();
    void Speed_Scroll();
    void Feature1_Scroll();
    void Feature2_Scroll();
    void ClonesScroll_Change();

    // Slideshow's options: read from the file into their texts and controls,
    // each value the controls cannot take as installed; and their handlers.
    void loadSlideshowOptions(const SettingsFile& file);
    void SlideshowFitCbx_Click();
    void CrossfadeScroll_Change();
    void SlideshowCheck_Click(const QCheckBox* box, const SettingKey& key);

private:
    // How the Effects tab looks for the effect chosen in the list; none
    // while nothing is chosen.
    const DialogLayout* chosenLayout() const;

    EffectsTab& tab_;
    SettingTexts& settings_;
};

}  // namespace skyfolio
