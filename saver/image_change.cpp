// Moving on to the next cache picture: the picture-change clock of the copy
// effects, and the change itself, which loads the picture into the set that
// is not showing the newest one and hands the animation to that set's phase.

#include "saver/copy_effects.h"
#include "saver/copy_phase.h"
#include "saver/picture_source.h"

#include <exception>

namespace skyfolio {
namespace {

// Timer4 is a one-shot: back to this after every change.
constexpr int kChangeIntervalMs = 1;

}  // namespace

void CopyEffects::Timer2_Timer() {
    switch (effect.change) {
    case PictureChange::ByClock:
        // Once every copy is admitted, the next tick starts the change.
        if (admittedCopies >= lastCopy_ + 1) {
            if (imageChangeDue == 0)
                imageChangeDue = 1;
            else if (imageChangeDue == 1)
                imageChangeDue = 0;
            Timer4.setEnabled(true);
        } else {
            AdmitMoreCopies();
        }
        return;
    case PictureChange::PacedByCopy0:
        // A single delay before the first copy may change over; the animation
        // paces the rest.
        admittedCopies = 1;
        Timer2.setEnabled(false);
        return;
    case PictureChange::Never:
    case PictureChange::FloatList:
    case PictureChange::Slides:
        return;
    }
}

void CopyEffects::Timer4_Timer() {
    std::string cachePath;
    try {
        // The count is compared as a number, so a stored "03" or " 3" still
        // wraps after the third picture instead of running past the cache.
        ++cacheNumber;
        if (cacheNumber >= cfg_.cfgImageTotal) cacheNumber = 0;
        cachePath = pictures_.cachePicturePath(cacheNumber);

        const bool toSecondSet = imageChangeDue == 0;
        const CopyPhase& next = toSecondSet ? kTimer1Phase : kTimer5Phase;
        const CopyPhase& previous = toSecondSet ? kTimer5Phase : kTimer1Phase;
        PictureSet& target = this->*next.incoming;
        target = PictureSet();
        target = pictures_.cachePictureSet(cacheNumber);

        secondImageReady = next.readyValue;
        admittedCopies = effect.change == PictureChange::PacedByCopy0 ? 1 : 0;
        (this->*previous.tick).setEnabled(false);
        (this->*next.tick).setEnabled(true);
    } catch (const std::exception&) {
        form_.EndWithMessage(Form1::CacheFailureMessage(cachePath));
        return;
    }
    Timer4.setEnabled(false);
    Timer4.setInterval(kChangeIntervalMs);
}

}  // namespace skyfolio
