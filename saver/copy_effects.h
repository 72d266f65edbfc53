#pragma once

#include "saver/copy.h"
#include "saver/effect_family.h"
#include "saver/picture_set.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace skyfolio {

struct CopyPhase;

// The copy effects: many pre-scaled copies of the current cache picture
// flown about the screen, two picture sets taking turns as the picture changes.
class CopyEffects : public EffectFamily {
public:
    CopyEffects(Form1& form, const SaverSettings& settings, const SaverSeams& seams);

    void Form_Load() override;

    // The animation: one tick in each phase, the picture-change clock, and
    // the change itself.
    void Timer1_Timer();
    void Timer5_Timer();
    void Timer2_Timer();
    void Timer4_Timer();

    // Motion rules: how a copy is aimed and moved through its size steps.
    void SetCopyStep(Copy& copy, int16_t speed);
    void StepCopy(Copy& copy);
    void StepWarpCopy(Copy& copy);

    std::vector<Copy> copies;
    std::array<int16_t, 12> effectParam{};
    bool keepTrails = false;
    // Picture change: which set holds the newest picture (1 the second),
    // how many copies may show it, the pacing count, and which set is next.
    int secondImageReady = 0;
    int admittedCopies = 0;
    int admitTicks = 0;
    int imageChangeDue = 0;
    int cacheNumber = 0;  // the cache picture loaded last
    PictureSet first;
    PictureSet second;

    // Design intervals; all disabled at design time.
    Timer Timer1{1};  // animation tick while the second set is the newest
    Timer Timer2{0};  // picture-change clock
    Timer Timer4{1};  // one picture change, a one-shot
    Timer Timer5{1};  // animation tick while the first set is the newest

private:
    void PrepareCachePictures();
    void ArmCopyEffect();

    void CopyTick(const CopyPhase& phase);
    void RelaunchCopy(Copy& copy, int W, int H);
    const PictureSet& ChooseSource(const CopyPhase& phase, size_t index);
    void AdmissionStep(const CopyPhase& phase);
    void AdmitMoreCopies();

    // cfgCopies in the saver: the index of the last copy.
    double lastCopy_ = -1;
    // For the load-error message: the cache picture path built last.
    std::string cachePathBuiltLast_;
};

}  // namespace skyfolio
