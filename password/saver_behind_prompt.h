#pragma once

#include <string>

namespace skyfolio {

// What the password prompt asks of the saver running behind it: the saver
// window in the program, a recording fake in the tests.
class SaverBehindPrompt {
public:
    virtual ~SaverBehindPrompt() = default;

    // The password read from the settings at set-up, UTF-8.
    virtual std::string storedPassword() const = 0;

    // The right password ends the run in this order: the switch, then the
    // form, then the program. The switch goes off only if set-up turned it on.
    virtual void SwitchScreenSaverRunningOff() = 0;
    virtual void unloadForm() = 0;
    virtual void endProgram() = 0;

    // Back to running as at start: the pointer out of sight, Form1 shown,
    // enabled, topmost again and holding the keyboard focus.
    virtual void resumeRunning() = 0;
};

}  // namespace skyfolio
