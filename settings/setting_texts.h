#pragma once

#include <string>

namespace skyfolio {

// Every setting as the text read from the settings file; each use converts it.
// The saver keeps them in its engine state, the dialog edits them as its
// working copy and the save writes them out unchanged.
struct SettingTexts {
    std::string cfgEffect;
    std::string cfgImageTotal;
    std::string cfgCopies;
    std::string cfgImageSpeed;
    std::string cfgSplatSpeed;
    std::string cfgJumpSpeed;
    std::string cfgDeckGradient;
    std::string cfgPsychGradient;
    std::string cfgNextImageTime;
    std::string cfgIntroAmount;
    std::string cfgNeverChange;
    std::string cfgChangeNext;
    std::string cfgMouseSensitivity;
    std::string cfgBackColor;
    std::string cfgTransition;
    std::string cfgRandomTransition;
    std::string cfgCenterImage;
    std::string cfgFloatSpeed;
    std::string cfgPassword;
    std::string cfgPasswordOn;
    std::string cfgFitLargePictures;
    std::string cfgIdleMinutes;
    std::string cfgStartWhenIdle;
    std::string cfgSlideshowFit;
    std::string cfgSlideshowPairPortraits;
    std::string cfgSlideshowCrossfade;
    std::string cfgSlideshowPanZoom;
    std::string cfgSlideshowShuffle;
    std::string cfgSlideshowCaption;
};

}  // namespace skyfolio
