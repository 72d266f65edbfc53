#pragma once

#include "platform/wayland/wayland_saver_window.h"

#include <memory>

namespace skyfolio {

struct WaylandGlobals;

// The saver window on a Wayland desktop: a full-screen window on its own
// output. A client cannot place or stack its windows there; the compositor
// keeps a full-screen window above the others on its output, and the
// keyboard goes to the one activated. Once shown, the engine's changes go
// to the compositor through a presenter of our own, where it offers one.
class FullScreenWindow : public WaylandSaverWindow {
public:
    // `globals`: bound on Qt's connection, with what a presenter needs;
    // none where the compositor lacks it.
    FullScreenWindow(SurfaceFunction surface, std::shared_ptr<const WaylandGlobals> globals);
    ~FullScreenWindow() override;

    void showForm(bool takeKeyboard) override;
    void placeWindow(bool topmost) override;
    void repaintChanged(const std::vector<QRect>& changed) override;

private:
    void followArea() override;
    void showOnScreen();

    std::shared_ptr<const WaylandGlobals> globals_;
    QScreen* shownOn_ = nullptr;
    bool presenterTried_ = false;
};

}  // namespace skyfolio
