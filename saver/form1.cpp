#include "saver/form1.h"

#include "imaging/units.h"
#include "saver/effect_family.h"
#include "saver/saver_host.h"
#include "saver/surface.h"
#include "settings/conversions.h"
#include "settings/line_break.h"

#include <exception>

namespace skyfolio {

Form1::Form1(const SaverSettings& settings, SaverSeams seams)
    : effect(effectOrNone(settings.cfgEffect)),
      cfg_(settings),
      surface_(seams.surface),
      host_(seams.host),
      family_(effect.makeFamily(*this, settings, seams)) {}

Form1::~Form1() = default;

void Form1::Form_Load() {
    try {
        surface_.setBackground(static_cast<uint32_t>(RoundInt32(*cfg_.cfgBackColor)));
    } catch (const std::exception&) {
        EndWithMessage(CacheFailureMessage({}));
        return;
    }
    family_->Form_Load();
}

void Form1::Timer1_Timer() { RunTimer("Timer1"); }
void Form1::Timer2_Timer() { RunTimer("Timer2"); }
void Form1::Timer3_Timer() { RunTimer("Timer3"); }
void Form1::Timer4_Timer() { RunTimer("Timer4"); }
void Form1::Timer5_Timer() { RunTimer("Timer5"); }
void Form1::ChangeTimer_Timer() { RunTimer("ChangeTimer"); }

void Form1::RunTimer(std::string_view name) {
    for (const TimedHandler& timed : timers())
        if (timed.name == name) timed.handler();
}

const std::vector<TimedHandler>& Form1::timers() const { return family_->timers(); }

bool Form1::holdsInput() const { return family_->holdsInput(); }

int Form1::ScaleWidth() const { return surface_.size().width * (scaleInTwips ? kTwipsPerPixel : 1); }

int Form1::ScaleHeight() const { return surface_.size().height * (scaleInTwips ? kTwipsPerPixel : 1); }

void Form1::EndWithMessage(const std::string& text) {
    host_.unloadForm();
    host_.showMessage(text);
    host_.endProgram();
}

std::string Form1::CacheFailureMessage(const std::string& cachePath) {
    std::string text = cachePath;
    for (const char* line : {"was not processed correctly! Skyfolio will",
                             "not function unless a different image is reloaded.",
                             "Please go into settings and choose a different image."})
        text.append(kLineBreak).append(line);
    return text;
}

std::string Form1::FloatFailureMessage(const std::string& picturePath) {
    const std::string lineBreak(kLineBreak);
    return picturePath + lineBreak + "does not exist! Skyfolio will" + lineBreak +
           "not function unless a different image is reloaded.";
}

// Named as the settings file names it, so that the line can be found there;
// the dialog puts any value it cannot use back to the installed one.
std::string Form1::SettingFailureMessage(const SettingError& error) {
    const std::string lineBreak(kLineBreak);
    return "The setting " + error.key() + "=" + error.text() + " cannot be used! Skyfolio will" + lineBreak +
           "not function unless the settings are saved again." + lineBreak +
           "Please go into settings and press OK.";
}

}  // namespace skyfolio
