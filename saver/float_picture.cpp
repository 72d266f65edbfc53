// Float's picture changes: the next picture of the list into FirstPicture,
// after a blank pause or through a drawn transition.

#include "platform/line_break.h"
#include "platform/units.h"
#include "saver/form1.h"
#include "saver/transitions.h"
#include "settings/conversions.h"

#include <chrono>
#include <exception>

namespace skyfolio {
namespace {

constexpr std::chrono::milliseconds kStandardPause{300};

int twips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace

std::string Form1::FloatFailureMessage(const std::string& picturePath) {
    const std::string lineBreak(kLineBreak);
    return picturePath + lineBreak + "does not exist! Skyfolio will" + lineBreak +
           "not function unless a different image is reloaded.";
}

bool Form1::ShowFloatPicture() {
    // A list shorter than its count leaves an empty path, which fails to load.
    const auto index = static_cast<size_t>(floatImageIndex);
    const std::string path = index < imageFiles.size() ? imageFiles[index] : std::string();
    try {
        if (NumberValue(cfgTransition) != kStandard || NumberValue(cfgRandomTransition) == 1) {
            ShowThroughTransition(path);
            return true;
        }
        return ShowAfterPause(path);
    } catch (const std::exception&) {
        EndWithMessage(FloatFailureMessage(path));
        return false;
    }
}

void Form1::ShowThroughTransition(const std::string& path) {
    FloatBox& box = host_.firstPicture();
    box.setPicture(Picture());
    box.resize(1, 1);
    box.setVisible(true);
    second.source = Picture::load(path);
    box.resize(twips(second.source.width()), twips(second.source.height()));
    CentreFirstPicture();
    RunTransition();
    // Whatever the transition left undrawn, the whole picture stands now.
    first.source = second.source;
    box.setPicture(first.source);
}

bool Form1::ShowAfterPause(const std::string& path) {
    FloatBox& box = host_.firstPicture();
    box.setVisible(false);
    // The saver stays responsive meanwhile; a key may end it.
    if (!host_.pauseHandlingEvents(kStandardPause)) return false;
    first.source = Picture::load(path);
    box.setPicture(first.source);
    box.resize(twips(first.source.width()), twips(first.source.height()));
    CentreFirstPicture();
    box.setVisible(true);
    return true;
}

// Division truncates toward zero, also for a picture larger than the screen.
void Form1::CentreFirstPicture() {
    FloatBox& box = host_.firstPicture();
    box.move((ScaleWidth() - box.width()) / 2, (ScaleHeight() - box.height()) / 2);
}

void Form1::RunTransition() {
    // Standard is never drawn at random.
    if (NumberValue(cfgRandomTransition) == 1) cfgTransition = DecimalText(randomTransition(random_.uniform()));
    FloatBox& box = host_.firstPicture();
    const Picture& picture = second.source;
    forEachTransitionStep(NumberValue(cfgTransition), picture.width(), picture.height(),
                          [&](const CopyStep& step) { box.copy(picture, step); });
}

}  // namespace skyfolio
