#pragma once

#include "imaging/picture.h"
#include "saver/float_box.h"
#include "saver/surface.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace skyfolio {

// What the saver's procedures ask of the world around them: the Qt saver
// window in the program, a recording fake in the tests.
class SaverHost {
public:
    virtual ~SaverHost() = default;

    // The primary screen, which the saver window covers, in pixels.
    virtual PictureSize screenPixels() const = 0;
    // The window's persistent image that the copy effects draw on.
    virtual Surface& surface() = 0;
    // The form's background colour, 0x00BBGGRR.
    virtual void setBackColor(uint32_t bgr) = 0;
    // Float's picture box, hidden until Float shows it.
    virtual FloatBox& firstPicture() = 0;
    // Waits, handling timer and input events meanwhile. False when the form
    // was unloaded during the wait: the run is over.
    [[nodiscard]] virtual bool pauseHandlingEvents(std::chrono::milliseconds duration) = 0;

    // The system's message box: exclamation icon, OK button, the program's title.
    virtual void showMessage(const std::string& text) = 0;
    // Unload Form1: the window goes away and its timers stop.
    virtual void unloadForm() = 0;
    // End the process; the caller returns at once and does nothing more.
    virtual void endProgram() = 0;

    // The operating system's platform id: 2 for the NT family.
    virtual int32_t platformId() const = 0;
    // The screen-saver-running switch of the older platform family.
    virtual void setScreenSaverRunning(bool running) = 0;
};

}  // namespace skyfolio
