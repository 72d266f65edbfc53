#pragma once

#include <string>

namespace skyfolio {

// What the saver asks of the program around it when a run cannot go on: the
// Qt saver window in the program, a recording fake in the tests.
class SaverHost {
public:
    virtual ~SaverHost() = default;

    // The system's message box: exclamation icon, OK button, the program's
    // title. It does not wait for its answer.
    virtual void showMessage(const std::string& text) = 0;
    // Unload Form1: the window goes away and its timers stop.
    virtual void unloadForm() = 0;
    // End the process, once a message shown before has been answered; the
    // caller returns at once and does nothing more.
    virtual void endProgram() = 0;
};

}  // namespace skyfolio
