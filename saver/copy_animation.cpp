// The animation tick of the copy effects, the same in both phases: every copy
// is re-launched when it has left the screen, moved, drawn from the set it
// belongs to, and stepped on by its effect's motion rule.

#include "saver/copy_effects.h"
#include "saver/copy_phase.h"
#include "saver/random.h"
#include "saver/surface.h"
#include "settings/conversions.h"

namespace skyfolio {

void CopyEffects::Timer1_Timer() { CopyTick(kTimer1Phase); }

void CopyEffects::Timer5_Timer() { CopyTick(kTimer5Phase); }

void CopyEffects::CopyTick(const CopyPhase& phase) {
    if (!keepTrails) surface_.clear();
    for (size_t i = 0; i < copies.size(); ++i) {
        Copy& copy = copies[i];
        const int W = ScaleWidth();
        const int H = ScaleHeight();
        // Judged by the corner alone: a copy vanishes as soon as its corner
        // passes the left or top edge, but slides out over the right and bottom.
        if (copy.x > W || copy.y > H || copy.x < 0 || copy.y < 0) RelaunchCopy(copy, W, H);
        copy.x += copy.stepX;
        copy.y += copy.stepY;
        surface_.draw(ChooseSource(phase, i).member(copy.size), copy.x, copy.y);
        if (effect.motion.course == SizeCourse::Shrink)
            StepWarpCopy(copy);
        else
            StepCopy(copy);
    }
    surface_.present();
}

void CopyEffects::RelaunchCopy(Copy& copy, int W, int H) {
    const MotionProfile& motion = effect.motion;
    copy.size = motion.launchSize;
    const double r1 = random_.uniform();
    const double r2 = random_.uniform();
    copy.x = int(Floor(W * motion.launchSpan * r1 + W * motion.launchFrom));
    copy.y = int(Floor(H * motion.launchSpan * r2 + H * motion.launchFrom));
    SetCopyStep(copy, effectParam[speedOf(motion.launchSize)]);
}

// A copy changes over to the incoming picture only at its smallest size, and
// only once its index has been admitted.
const PictureSet& CopyEffects::ChooseSource(const CopyPhase& phase, size_t index) {
    Copy& copy = copies[index];
    const bool admitted = int(index) < admittedCopies;
    if (copy.picture == phase.switchedPicture && admitted) {
        AdmissionStep(phase);
        return this->*phase.incoming;
    }
    if (copy.size == kSmallestSizeStep && secondImageReady == phase.readyValue && admitted) {
        copy.picture = phase.switchedPicture;
        return this->*phase.incoming;
    }
    return this->*phase.outgoing;
}

// Psychedelic, Jumping Beans and Splat admit more copies as copy 0 comes
// round again showing the incoming picture, and change the picture once
// enough have been admitted.
void CopyEffects::AdmissionStep(const CopyPhase& phase) {
    if (effect.change != PictureChange::PacedByCopy0) return;
    if (cfg_.cfgImageTotal <= 1) return;
    if (admittedCopies >= lastCopy_ + phase.thresholdBeyondLast) {
        imageChangeDue = phase.changeDue;
        Timer4.setEnabled(true);
        return;
    }
    if (copies[0].size != kSmallestSizeStep) return;  // copy 0 is not at its re-launch
    for (const CopyPhase::Pace& pace : phase.pacing) {
        if (pace.changeNext != cfg_.cfgChangeNext) continue;
        if (pace.ticks == kAdmitAtOnce) {
            AdmitMoreCopies();
        } else if (++admitTicks == pace.ticks) {
            AdmitMoreCopies();
            admitTicks = 1;
        }
        return;
    }
}

void CopyEffects::AdmitMoreCopies() { admittedCopies = SaturatedInt16(cfg_.cfgIntroAmount + admittedCopies); }

}  // namespace skyfolio
