#pragma once

#include "platform/window_system.h"

#include <QPointer>

#include <vector>

namespace skyfolio {

class FullScreenWindow;

// Full-screen windows, one per output, on any Wayland compositor. The
// pointer stays where the user left it: no client may move it.
class WaylandWindowSystem : public WindowSystem {
public:
    std::unique_ptr<SaverWindow> saverWindow(SaverWindow::SurfaceFunction surface) override;
    void movePointer(int, int) override {}
    // Keys typed on any output go to the prompt.
    void standAboveSaver(QWidget& dialog) override;

private:
    std::vector<QPointer<FullScreenWindow>> windows_;
    QPointer<QWidget> prompt_;
};

}  // namespace skyfolio
