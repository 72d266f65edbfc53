#pragma once

#include "platform/window_system.h"

#include <QPointer>

#include <memory>
#include <vector>

namespace skyfolio {

class SeatInput;
class WaylandSaverWindow;
struct WaylandGlobals;

// One window per output: a layer surface on the overlay layer where the
// compositor offers layer shells, a full-screen window on any other. The
// pointer stays where the user left it: no client may move it.
class WaylandWindowSystem : public WindowSystem {
public:
    WaylandWindowSystem();
    ~WaylandWindowSystem() override;

    std::unique_ptr<SaverWindow> saverWindow(SaverWindow::SurfaceFunction surface) override;
    void movePointer(int, int) override {}
    // Keys typed on any output go to the prompt.
    void standAboveSaver(QWidget& dialog) override;

private:
    // On a connection of our own for layer surfaces, else on Qt's for the
    // presenters over its windows; none where the compositor lacks what a
    // presenter needs.
    std::shared_ptr<WaylandGlobals> globals_;
    // Only where there are layer surfaces to hand the input to.
    std::unique_ptr<SeatInput> seat_;
    std::vector<QPointer<WaylandSaverWindow>> windows_;
    QPointer<QWidget> prompt_;
};

}  // namespace skyfolio
