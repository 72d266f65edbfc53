// Form1's set-up: everything the running saver needs, prepared once.

#include "platform/line_break.h"
#include "saver/form1.h"
#include "settings/conversions.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <exception>

namespace skyfolio {
namespace {

constexpr int kFloat = 1;
constexpr int kVortex = 6;
constexpr int kPlatformNt = 2;
constexpr int kFloatPictureClockMs = 250;
constexpr int kFrequentChangeMs = 5000;
constexpr int kMillisecondsPerSecond = 1000;

enum class ArmingOrder {
    TimedChangeThenTick,     // A, then T
    TickThenFrequentChange,  // T, then B
};

// How each copy effect starts: the order of its timers, whether its copies
// leave trails, and its speed table, whose last element may come from a setting.
struct EffectArming {
    int effect;
    ArmingOrder order;
    int keepTrails;
    std::array<int16_t, 12> effectParam;
    std::string SettingTexts::*lastParam;  // replaces effectParam(11) when set
    bool pacedFromOne;                     // admitTicks starts at 1
};

constexpr EffectArming kCopyEffects[] = {
    {0, ArmingOrder::TimedChangeThenTick, 0, {0, 0, 0, 0, 0, 4, 12, 48, 48, 48, 48, 48}, nullptr, false},
    {2, ArmingOrder::TimedChangeThenTick, 0, {81, 27, 9, 3}, nullptr, false},
    {3, ArmingOrder::TickThenFrequentChange, -1, {}, &SettingTexts::cfgPsychGradient, false},
    {4, ArmingOrder::TimedChangeThenTick, -1, {}, &SettingTexts::cfgDeckGradient, false},
    {5, ArmingOrder::TickThenFrequentChange, 0, {}, nullptr, false},
    {6, ArmingOrder::TimedChangeThenTick, 0, {}, nullptr, false},
    {7, ArmingOrder::TickThenFrequentChange, 0, {}, &SettingTexts::cfgSplatSpeed, true},
};

// Float's motion tick by its speed step 1 to 5; other steps keep the design interval.
constexpr int kFloatMotionMs[] = {200, 150, 100, 50, 1};

}  // namespace

std::string Form1::CacheFailureMessage(const std::string& cachePath) {
    std::string text = cachePath;
    for (const char* line : {"was not processed correctly! Skyfolio will",
                             "not function unless a different image is reloaded.",
                             "Please go into settings and choose a different image."})
        text.append(kLineBreak).append(line);
    return text;
}

void Form1::SwitchScreenSaverRunningOn() {
    if (NumberValue(cfgPasswordOn) == 1 && platformId != kPlatformNt) {
        host_.setScreenSaverRunning(true);
        screenSaverRunningOn_ = true;
    }
}

void Form1::SwitchScreenSaverRunningOff() {
    if (!screenSaverRunningOn_) return;
    host_.setScreenSaverRunning(false);
    screenSaverRunningOn_ = false;
}

void Form1::EndWithMessage(const std::string& text) {
    SwitchScreenSaverRunningOff();
    host_.unloadForm();
    host_.showMessage(text);
    host_.endProgram();
}

void Form1::Form_Load() {
    // Any failure, from the first value converted to the last timer armed,
    // ends the saver with one message; nothing on screen is left half set up.
    try {
        SettingsFile file;
        file.writeFirstRunEntries();  // a read-only folder only loses the sample names
        ReadSettings(file);
        host_.setBackColor(static_cast<uint32_t>(RoundInt32(cfgBackColor)));
        if (NumberValue(cfgEffect) == kFloat) ReadFloatSettings(file);
        cfgPassword = file.read(keys::saverPassword);
        cfgPasswordOn = file.read(keys::saverEnabled);
        ReadPlatform();
        SwitchScreenSaverRunningOn();
        if (NumberValue(cfgEffect) != kFloat) PrepareCachePictures();
        SetDrawingUnits();
        ArmEffect();
        if (NumberValue(cfgEffect) == 0) admittedCopies = 0;
        imageChangeDue = 0;
    } catch (const std::exception&) {
        EndWithMessage(CacheFailureMessage(cachePathBuiltLast_));
    }
}

void Form1::ReadSettings(const SettingsFile& file) {
    cfgEffect = file.read(keys::mode);
    cfgImageTotal = file.read(keys::newTotal);
    cfgCopies = NumberText(NumberValue(file.read(keys::clonesOfImage)) - 1);  // from here on the last copy's index
    cfgImageSpeed = file.read(keys::imageSpeed);
    cfgSplatSpeed = file.read(keys::speedOfSplat);
    cfgJumpSpeed = file.read(keys::speedOfJump);
    cfgDeckGradient = file.read(keys::deckGradient);
    cfgPsychGradient = file.read(keys::psychGradient);
    cfgNextImageTime = file.read(keys::nextImageTime);
    cfgIntroAmount = file.read(keys::introImageAmount);
    cfgNeverChange = file.read(keys::neverChange);
    cfgChangeNext = file.read(keys::changeNextImage);
    cfgMouseSensitivity = file.read(keys::mouseSensitivity);
    cfgBackColor = file.read(keys::newBackColor);
}

void Form1::ReadFloatSettings(const SettingsFile& file) {
    // Entry N stays empty: a list shorter than its count fails only when the
    // missing picture is due.
    imageFiles.assign(static_cast<size_t>(std::max(0, RoundInt32(cfgImageTotal))) + 1, std::string());
    std::string key = "0";
    for (int i = 0; i <= RoundInt16(StrictNumber(cfgImageTotal) - 1); ++i) {
        imageEntryText = file.readImage(key);
        imageFiles[static_cast<size_t>(i)] = imageEntryText;
        key = DecimalText(RoundInt32(key) + 1);
    }
    cfgTransition = file.read(keys::effectMode);
    cfgRandomTransition = file.read(keys::randomEffect);
    cfgCenterImage = file.read(keys::centerImage);
    cfgFloatSpeed = file.read(keys::floatImageSpeed);
}

void Form1::ReadPlatform() { platformId = host_.platformId(); }

void Form1::PrepareCachePictures() {
    cacheNumber = "0";
    cachePathBuiltLast_ = cacheFilePath(cacheNumber);
    first.source = Picture::load(cachePathBuiltLast_);

    scaleInTwips = false;
    const size_t copies = static_cast<size_t>(std::max(0, RoundInt32(cfgCopies) + 1));
    for (auto* array : {&copyX, &copyY, &copyStepX, &copyStepY, &copySize, &copyPicture, &copyVortex})
        array->assign(copies, 0);
    for (copyIndex = 0; copyIndex <= RoundInt16(cfgCopies); ++copyIndex) {
        copyX[copyIndex] = -1;
        copyY[copyIndex] = -1;
        copySize[copyIndex] = 12;
    }
    buildMembers(first);

    if (NumberValue(cfgImageTotal) > 1) {
        cacheNumber = "1";
        cachePathBuiltLast_ = cacheFilePath(cacheNumber);
        second.source = Picture::load(cachePathBuiltLast_);
        buildMembers(second);
        secondImageReady = 1;
    }
    std::fill(effectParam.begin(), effectParam.begin() + 8, 0);
}

void Form1::SetDrawingUnits() { scaleInTwips = NumberValue(cfgEffect) == kFloat; }

void Form1::ArmEffect() {
    const double effect = NumberValue(cfgEffect);
    if (effect == kFloat) {
        floatImageIndex = 0;
        Timer2.setInterval(kFloatPictureClockMs);
        Timer2.setEnabled(true);
        const double step = NumberValue(cfgFloatSpeed);
        if (step >= 1 && step <= 5 && step == Floor(step)) Timer3.setInterval(kFloatMotionMs[static_cast<int>(step) - 1]);
        return;
    }
    const auto arming = std::find_if(std::begin(kCopyEffects), std::end(kCopyEffects),
                                     [&](const EffectArming& a) { return a.effect == effect; });
    if (arming == std::end(kCopyEffects)) return;  // no such effect: nothing moves

    const bool severalPictures = NumberValue(cfgImageTotal) > 1;
    const auto timedChange = [&] {
        if (severalPictures && !BooleanValue(cfgNeverChange)) {
            Timer2.setInterval(RoundInt32(NumberValue(cfgNextImageTime) * kMillisecondsPerSecond));
            Timer2.setEnabled(true);
        }
    };
    const auto frequentChange = [&] {
        if (severalPictures && NumberValue(cfgChangeNext) != 0) {
            Timer2.setInterval(kFrequentChangeMs);
            Timer2.setEnabled(true);
        }
    };
    const auto tick = [&] {
        Timer1.setEnabled(true);
        Timer1.setInterval(RoundInt32(cfgImageSpeed));
        Timer5.setInterval(Timer1.Interval());
    };
    if (arming->order == ArmingOrder::TimedChangeThenTick) {
        timedChange();
        tick();
    } else {
        tick();
        frequentChange();
    }

    keepTrails = arming->keepTrails;
    effectParam = arming->effectParam;
    if (arming->lastParam) effectParam[11] = RoundInt16(this->*(arming->lastParam));
    if (arming->pacedFromOne) admitTicks = 1;
}

}  // namespace skyfolio
