// Form1's set-up: everything the running saver needs, prepared once.

#include "saver/form1.h"
#include "saver/picture_source.h"
#include "saver/surface.h"
#include "settings/conversions.h"

#include <algorithm>
#include <exception>

namespace skyfolio {
namespace {

constexpr int kFloatPictureClockMs = 250;
constexpr int kFrequentChangeMs = 5000;
constexpr int kMillisecondsPerSecond = 1000;

// Float's motion tick by its speed step 1 to 5; other steps keep the design interval.
constexpr int kFloatMotionMs[] = {200, 150, 100, 50, 1};

}  // namespace

void Form1::Form_Load() {
    // Any failure, from the first value converted to the last timer armed,
    // ends the saver with one message; nothing on screen is left half set up.
    try {
        surface_.setBackground(static_cast<uint32_t>(RoundInt32(*cfg_.cfgBackColor)));
        if (effect.usesCache())
            PrepareCachePictures();
        else
            (void)*cfg_.imageFiles;  // a count that is no number fails now, not when a picture is due
        scaleInTwips = !effect.usesCache();
        ArmEffect();
    } catch (const std::exception&) {
        EndWithMessage(CacheFailureMessage(cachePathBuiltLast_));
    }
}

void Form1::PrepareCachePictures() {
    cacheNumber = 0;
    cachePathBuiltLast_ = pictures_.cachePicturePath(cacheNumber);
    Pixels firstPicture = pictures_.cachePicture(cacheNumber);

    lastCopy_ = cfg_.cfgCopies - 1;
    copies.assign(static_cast<size_t>(std::max(0, RoundInt16(lastCopy_) + 1)), Copy{});
    first = buildPictureSet(std::move(firstPicture));

    if (cfg_.cfgImageTotal > 1) {
        cacheNumber = 1;
        cachePathBuiltLast_ = pictures_.cachePicturePath(cacheNumber);
        second = buildPictureSet(pictures_.cachePicture(cacheNumber));
        secondImageReady = 1;
    }
}

void Form1::ArmEffect() {
    switch (effect.arming.order) {
    case ArmingOrder::Nothing:
        return;  // no such effect: nothing moves
    case ArmingOrder::FloatClocks:
        ArmFloat();
        return;
    case ArmingOrder::SlideshowClocks:
        slideshow.Start();
        return;
    case ArmingOrder::TimedChangeThenTick:
    case ArmingOrder::TickThenFrequentChange:
        ArmCopyEffect();
        return;
    }
}

void Form1::ArmCopyEffect() {
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

void Form1::ArmFloat() {
    floatImageIndex = 0;
    Timer2.setInterval(kFloatPictureClockMs);
    Timer2.setEnabled(true);
    const double step = cfg_.cfgFloatSpeed;
    if (step >= 1 && step <= 5 && step == Floor(step)) Timer3.setInterval(kFloatMotionMs[static_cast<int>(step) - 1]);
}

}  // namespace skyfolio
