#pragma once

#include "platform/random.h"
#include "saver/engine_state.h"
#include "saver/saver_host.h"

#include <cstdint>
#include <string>

namespace skyfolio {

class SettingsFile;
struct CopyEffectProfile;
struct CopyPhase;

// The saver form's procedures over the engine state. Nothing here knows Qt:
// the host draws and shows, the random source is injected, so a test drives
// every procedure with a fixed generator and checks positions.
class Form1 : public EngineState {
public:
    Form1(SaverHost& host, RandomSource& random) : host_(host), random_(random) {}

    // Set-up: settings, background, the first pictures and their members,
    // the effect's timers.
    void Form_Load();

    // The copy animation: one tick in each phase, the picture-change clock,
    // and the change itself.
    void Timer1_Timer();
    void Timer5_Timer();
    void Timer2_Timer();
    void Timer4_Timer();

    // Motion rules of the copy `copyIndex`.
    void SetCopyStep(int16_t speed);
    void StepCopy();
    void StepWarpCopy();

    // Float: the motion tick; the next picture shown centred, false when it
    // could not be and the saver is ending; the drawn transition into it.
    void Timer3_Timer();
    [[nodiscard]] bool ShowFloatPicture();
    void RunTransition();

    // Form1's inner width and height in its current scale.
    int ScaleWidth() const;
    int ScaleHeight() const;

    // The screen-saver-running switch of the older platform family; every
    // "on" at set-up is paired with an "off" on each path that ends the run.
    void SwitchScreenSaverRunningOn();
    void SwitchScreenSaverRunningOff();

    // Ends a run that cannot go on: the switch back off, the form unloaded,
    // the message shown, the program ended. The caller returns at once.
    void EndWithMessage(const std::string& text);
    // What a cache picture that cannot be shown makes the saver say.
    static std::string CacheFailureMessage(const std::string& cachePath);
    // What a Float picture that cannot be shown makes the saver say.
    static std::string FloatFailureMessage(const std::string& picturePath);

private:
    void ReadSettings(const SettingsFile& file);
    void ReadFloatSettings(const SettingsFile& file);
    void ReadPlatform();
    void PrepareCachePictures();
    void SetDrawingUnits();
    void ArmEffect();
    void CopyTick(const CopyPhase& phase);
    void RelaunchCopy(const CopyEffectProfile& profile, int W, int H);
    const PictureSet& ChooseSource(const CopyPhase& phase);
    void AdmissionStep(const CopyPhase& phase);
    void AdmitMoreCopies();
    void CopyEffectsClock();
    void FloatPictureClock();
    void ChooseFloatDirection();
    void ShowThroughTransition(const std::string& path);
    [[nodiscard]] bool ShowAfterPause(const std::string& path);
    void CentreFirstPicture();

    SaverHost& host_;
    RandomSource& random_;
    bool screenSaverRunningOn_ = false;
    // For the load-error message: the cache picture path built last.
    std::string cachePathBuiltLast_;
};

}  // namespace skyfolio
