#pragma once

#include "platform/window_system.h"

#include <QPointer>

#include <vector>

namespace skyfolio {

// Full-screen windows, one per output, on any Wayland compositor. The
// pointer stays where the user left it: no client may move it.
class WaylandWindowSystem : public WindowSystem {
public:
    std::unique_ptr<SaverWindow> saverWindow(SaverWindow::PaintFunction paint) override;
    void movePointer(int, int) override {}
    void standAboveSaver(QWidget& dialog) override;

private:
    std::vector<QPointer<SaverWindow>> windows_;
};

}  // namespace skyfolio
