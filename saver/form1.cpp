#include "saver/form1.h"

#include "imaging/units.h"
#include "saver/saver_host.h"
#include "saver/surface.h"
#include "settings/line_break.h"

namespace skyfolio {

Form1::Form1(const SaverSettings& settings, SaverSeams seams)
    : effect(effectOrNone(settings.cfgEffect)),
      slideshow(settings, seams.surface, seams.slides, seams.random, seams.clock,
                [this](const std::string& message) { EndWithMessage(message); }),
      cfg_(settings),
      surface_(seams.surface),
      pictures_(seams.pictures),
      host_(seams.host),
      random_(seams.random),
      clock_(seams.clock),
      view_(seams.surface) {}

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
