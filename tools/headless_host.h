#pragma once

#include "saver/saver_host.h"

#include <string>

namespace skyfolio {

// The saver window without a window, for the copy effects: a screen of a
// chosen size, a surface given by the caller, and messages written to the
// error stream. Float's picture box and its pauses need a real window.
class HeadlessHost : public SaverHost {
public:
    HeadlessHost(PictureSize screen, Surface& surface) : screen_(screen), surface_(surface) {}

    PictureSize screenPixels() const override { return screen_; }
    Surface& surface() override { return surface_; }
    void setBackColor(uint32_t) override {}
    FloatBox& firstPicture() override;
    bool pauseHandlingEvents(std::chrono::milliseconds) override;
    void showMessage(const std::string& text) override;
    void unloadForm() override {}
    void endProgram() override { ended_ = true; }
    int32_t platformId() const override { return kPlatformNt; }
    void setScreenSaverRunning(bool) override {}

    // Whether the saver asked to end, after a failure.
    bool ended() const { return ended_; }

private:
    static constexpr int32_t kPlatformNt = 2;

    PictureSize screen_;
    Surface& surface_;
    bool ended_ = false;
};

}  // namespace skyfolio
