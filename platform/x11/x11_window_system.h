#pragma once

#include "platform/window_system.h"

namespace skyfolio {

// Windows placed by ourselves, above the window manager's, and a pointer
// that can be moved.
class X11WindowSystem : public WindowSystem {
public:
    std::unique_ptr<SaverWindow> saverWindow(SaverWindow::SurfaceFunction surface) override;
    void movePointer(int x, int y) override;
    // The prompt keeps itself above; the saver windows beneath it let it.
    void standAboveSaver(QWidget&) override {}
};

}  // namespace skyfolio
