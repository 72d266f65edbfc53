#pragma once

#include "platform/timer.h"
#include "saver/picture_set.h"
#include "settings/setting_texts.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace skyfolio {

// The fields through which the saver's procedures share settings and
// animation state for the whole run. Settings stay the texts read from the
// file and are converted where they are used.
struct EngineState : SettingTexts {
    // Picture paths for Float, indices 0..N; entry N stays empty.
    std::vector<std::string> imageFiles;
    std::string imageEntryText;

    int32_t platformId = 0;

    // The cache picture loaded last, as decimal text.
    std::string cacheNumber;

    // Per copy, indices 0..RoundInt16(cfgCopies). Positions and steps are
    // pixels; -1 means not yet placed. Wider than 16 bits: nothing here
    // relies on wrapping.
    std::vector<int> copyX, copyY, copyStepX, copyStepY, copySize, copyPicture, copyVortex;
    int copyIndex = 0;
    // When 0 the display is cleared at every tick; -1 keeps the trails.
    int keepTrails = 0;
    std::array<int16_t, 12> effectParam{};

    // Picture change.
    int secondImageReady = 0;
    int admittedCopies = 0;
    int admitTicks = 0;
    int imageChangeDue = 0;

    // Float.
    std::array<int, 2> floatSlots{};
    std::array<int, 1> floatListA{};  // horizontal step, twips
    std::array<int, 1> floatListB{};  // vertical step, twips
    int floatImageIndex = 0;

    // FirstPicture with FirstDisplayPicture(1..12), SecondPicture with SecDisplayPicture(1..12).
    PictureSet first;
    PictureSet second;

    // Form1's scale: pixels for the copy effects, twips for Float.
    bool scaleInTwips = false;

    // Design intervals; all disabled at design time.
    Timer Timer1{1};  // animation tick while the second set is the newest
    Timer Timer2{0};  // picture-change clock; Float's picture clock
    Timer Timer3{100};  // Float's motion tick
    Timer Timer4{1};  // one picture change, a one-shot
    Timer Timer5{1};  // animation tick while the first set is the newest
};

}  // namespace skyfolio
