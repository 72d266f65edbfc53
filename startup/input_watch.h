#pragma once

#include "password/form_window.h"
#include "platform/clock.h"
#include "saver/saver_host.h"
#include "settings/saver_settings.h"

#include <cstdint>
#include <functional>

namespace skyfolio {

// Watches the running saver for the user: any key or mouse button ends it,
// and so does the "mouseSensitivity" count of mouse movements within a short
// window. With password protection on, the password prompt opens instead.
class InputWatch {
public:
    InputWatch(const SaverSettings& settings, SaverHost& host, FormWindow& window, const Clock& clock,
               std::function<void()> showPasswordForm);

    void Form_MouseDown();
    void Form_KeyDown();
    // Pointer positions on the whole desktop, in Form1's scale: pixels,
    // twips for Float.
    void Form_MouseMove(float X, float Y);
    // Pointer positions on the picture box, pixels.
    void FirstPicture_MouseMove(float X, float Y);

    void EndSaver();

private:
    // Jitter of a few units is no user; the first event of a surface only
    // gives the position to compare with.
    void filterMovement(float X, float Y, int32_t& lastX, int32_t& lastY);
    void CountMouseMove();

    const SaverSettings& settings_;
    SaverHost& host_;
    FormWindow& window_;
    const Clock& clock_;
    std::function<void()> showPasswordForm_;

    int mouseMoveCount = 0;
    // Second of the day at which the counting window opened; 0 means none.
    int32_t mouseWindowStart = 0;
    // 32 bits: twips on a wide screen pass 32767.
    int32_t lastFormX = 0, lastFormY = 0;
    int32_t lastPictureX = 0, lastPictureY = 0;
};

}  // namespace skyfolio
