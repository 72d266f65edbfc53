#pragma once

#include "platform/saver_window.h"

#include <memory>

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

// The window system of the session Qt has connected to.
std::unique_ptr<WindowSystem> sessionWindowSystem();

}  // namespace skyfolio
