#pragma once

#include "platform/saver_window.h"

#include <memory>
#include <string>

namespace skyfolio {

// What the saver's windows need of the session's window system, X11 or
// Wayland, chosen once at start from the platform Qt runs on.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual std::unique_ptr<SaverWindow> saverWindow(SaverWindow::SurfaceFunction surface) = 0;
    // Moves the pointer, in logical pixels of the desktop, where a client
    // may.
    virtual void movePointer(int x, int y) = 0;
    // Stands a dialog, about to be shown, above the saver window of the
    // primary screen.
    virtual void standAboveSaver(QWidget& dialog) = 0;
};

// Before the application object is made, for a role with saver windows.
void preferBuiltWindowSystem();
// The window system of the session Qt has connected to; none where this
// build lacks that side.
std::unique_ptr<WindowSystem> sessionWindowSystem();
// Why there is none, for the user.
std::string missingWindowSystemMessage();

}  // namespace skyfolio
