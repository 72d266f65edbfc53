// The animation tick of the copy effects, the same in both phases: every copy
// is re-launched when it has left the screen, moved, drawn from the set it
// belongs to, and stepped on by its effect's motion rule.

#include "saver/copy_effect_profile.h"
#include "saver/copy_phase.h"
#include "saver/form1.h"
#include "settings/conversions.h"

namespace skyfolio {

void Form1::Timer1_Timer() { CopyTick(kTimer1Phase); }

void Form1::Timer5_Timer() { CopyTick(kTimer5Phase); }

void Form1::CopyTick(const CopyPhase& phase) {
    Surface& surface = host_.surface();
    if (keepTrails == 0) surface.clear();
    const CopyEffectProfile& profile = copyEffectProfile(NumberValue(cfgEffect));
    const int lastCopy = RoundInt16(cfgCopies);
    for (copyIndex = 0; copyIndex <= lastCopy; ++copyIndex) {
        const size_t i = size_t(copyIndex);
        const int W = ScaleWidth();
        const int H = ScaleHeight();
        // Judged by the corner alone: a copy vanishes as soon as its corner
        // passes the left or top edge, but slides out over the right and bottom.
        if (copyX[i] > W || copyY[i] > H || copyX[i] < 0 || copyY[i] < 0) RelaunchCopy(profile, W, H);
        copyX[i] += copyStepX[i];
        copyY[i] += copyStepY[i];
        surface.draw(ChooseSource(phase).member(copySize[i]), copyX[i], copyY[i]);
        if (profile.course == SizeCourse::Shrink)
            StepWarpCopy();
        else
            StepCopy();
    }
    surface.present();
}

void Form1::RelaunchCopy(const CopyEffectProfile& profile, int W, int H) {
    const size_t i = size_t(copyIndex);
    copySize[i] = profile.launchSize;
    const double r1 = random_.uniform();
    const double r2 = random_.uniform();
    copyX[i] = int(Floor(W * profile.launchSpan * r1 + W * profile.launchFrom));
    copyY[i] = int(Floor(H * profile.launchSpan * r2 + H * profile.launchFrom));
    SetCopyStep(effectParam[speedOf(profile.launchSize)]);
}

// A copy changes over to the incoming picture only at its smallest size, and
// only once its index has been admitted.
const PictureSet& Form1::ChooseSource(const CopyPhase& phase) {
    const size_t i = size_t(copyIndex);
    if (copyPicture[i] == phase.switchedPicture && copyIndex < admittedCopies) {
        AdmissionStep(phase);
        return this->*phase.incoming;
    }
    if (copySize[i] == kSmallestSizeStep && secondImageReady == phase.readyValue && copyIndex < admittedCopies) {
        copyPicture[i] = phase.switchedPicture;
        return this->*phase.incoming;
    }
    return this->*phase.outgoing;
}

// Psychedelic, Jumping Beans and Splat admit more copies as copy 0 comes
// round again showing the incoming picture, and change the picture once
// enough have been admitted.
void Form1::AdmissionStep(const CopyPhase& phase) {
    if (copyEffectProfile(NumberValue(cfgEffect)).change != PictureChange::PacedByCopy0) return;
    if (NumberValue(cfgImageTotal) <= 1) return;
    if (admittedCopies >= NumberValue(cfgCopies) + phase.thresholdBeyondLast) {
        imageChangeDue = phase.changeDue;
        Timer4.setEnabled(true);
        return;
    }
    if (copySize[0] != kSmallestSizeStep) return;  // copy 0 is not at its re-launch
    const double changeNext = NumberValue(cfgChangeNext);
    for (const CopyPhase::Pace& pace : phase.pacing) {
        if (pace.changeNext != changeNext) continue;
        if (pace.ticks == kAdmitAtOnce) {
            AdmitMoreCopies();
        } else if (++admitTicks == pace.ticks) {
            AdmitMoreCopies();
            admitTicks = 1;
        }
        return;
    }
}

void Form1::AdmitMoreCopies() { admittedCopies = SaturatedInt16(NumberValue(cfgIntroAmount) + admittedCopies); }

}  // namespace skyfolio
