#pragma once

#include "platform/saver_window.h"
#include "saver/saver_host.h"

#include <functional>

namespace skyfolio {

// Linux answers the old platform question as its modern family did.
inline constexpr int32_t kPlatformIdNt = 2;

// Form1's host in the running program: the saver window, the message box
// and the event loop.
class QtSaverHost : public SaverHost {
public:
    explicit QtSaverHost(SaverWindow& window);
    // What else goes with the form when it is unloaded: its timers.
    void onUnload(std::function<void()> action) { onUnload_ = std::move(action); }

    PictureSize screenPixels() const override;
    Surface& surface() override;
    void setBackColor(uint32_t bgr) override;
    FloatBox& firstPicture() override { return window_.firstPicture(); }
    bool pauseHandlingEvents(std::chrono::milliseconds duration) override;
    void showMessage(const std::string& text) override;
    void unloadForm() override;
    void endProgram() override;
    int32_t platformId() const override { return kPlatformIdNt; }
    // Linux has no such switch: there is nothing to turn.
    void setScreenSaverRunning(bool) override {}

    // Set once endProgram was asked for, also before the event loop runs.
    bool ended() const { return ended_; }

private:
    SaverWindow& window_;
    std::function<void()> onUnload_;
    bool unloaded_ = false;
    bool ended_ = false;
};

}  // namespace skyfolio
