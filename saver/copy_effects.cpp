#include "saver/copy_effects.h"

#include "saver/picture_source.h"
#include "saver/surface.h"
#include "settings/conversions.h"

#include <algorithm>
#include <exception>

namespace skyfolio {
namespace {

constexpr int kFrequentChangeMs = 5000;
constexpr int kMillisecondsPerSecond = 1000;

}  // namespace

CopyEffects::CopyEffects(Form1& form, const SaverSettings& settings, const SaverSeams& seams)
    : EffectFamily(form, settings, seams) {
    timers_ = {{"Timer1", &Timer1, [this] { Timer1_Timer(); }},
               {"Timer2", &Timer2, [this] { Timer2_Timer(); }},
               {"Timer4", &Timer4, [this] { Timer4_Timer(); }},
               {"Timer5", &Timer5, [this] { Timer5_Timer(); }}};
}

// Any failure, from the first picture loaded to the last timer armed, ends
// the saver with one message; nothing on screen is left half set up.
void CopyEffects::Form_Load() {
    try {
        PrepareCachePictures();
        if (effect.arming.order != ArmingOrder::Nothing) ArmCopyEffect();
    } catch (const std::exception&) {
        form_.EndWithMessage(Form1::CacheFailureMessage(cachePathBuiltLast_));
    }
}

void CopyEffects::PrepareCachePictures() {
    cacheNumber = 0;
    cachePathBuiltLast_ = pictures_.cachePicturePath(cacheNumber);
    first = pictures_.cachePictureSet(cacheNumber);

    lastCopy_ = cfg_.cfgCopies - 1;
    copies.assign(static_cast<size_t>(std::max(0, RoundInt16(lastCopy_) + 1)), Copy{});

    if (cfg_.cfgImageTotal > 1) {
        cacheNumber = 1;
        cachePathBuiltLast_ = pictures_.cachePicturePath(cacheNumber);
        second = pictures_.cachePictureSet(cacheNumber);
        secondImageReady = 1;
    }
}

void CopyEffects::ArmCopyEffect() {
    const EffectArming& arming = effect.arming;
    const bool severalPictures = cfg_.cfgImageTotal > 1;
    const auto timedChange = [&] {
        if (severalPictures && !*cfg_.cfgNeverChange) {
            Timer2.setInterval(RoundInt32(cfg_.cfgNextImageTime * kMillisecondsPerSecond));
            Timer2.setEnabled(true);
        }
    };
    const auto frequentChange = [&] {
        if (severalPictures && cfg_.cfgChangeNext != 0) {
            Timer2.setInterval(kFrequentChangeMs);
            Timer2.setEnabled(true);
        }
    };
    const auto tick = [&] {
        Timer1.setEnabled(true);
        Timer1.setInterval(RoundInt32(*cfg_.cfgImageSpeed));
        Timer5.setInterval(Timer1.Interval());
    };
    if (arming.order == ArmingOrder::TimedChangeThenTick) {
        timedChange();
        tick();
    } else {
        tick();
        frequentChange();
    }

    keepTrails = arming.keepTrails;
    effectParam = arming.effectParam;
    if (arming.lastParam) effectParam[11] = RoundInt16(*(cfg_.*arming.lastParam));
    if (arming.admitTicksFromOne) admitTicks = 1;
}

}  // namespace skyfolio
