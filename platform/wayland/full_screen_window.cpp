#include "platform/wayland/full_screen_window.h"

#include "platform/wayland/shm_presenter.h"

#include <QWindow>

#include <cmath>

namespace skyfolio {

FullScreenWindow::FullScreenWindow(SurfaceFunction surface, std::shared_ptr<const WaylandGlobals> globals)
    : WaylandSaverWindow(std::move(surface), bool(globals)), globals_(std::move(globals)) {}

FullScreenWindow::~FullScreenWindow() = default;

// Qt paints the window once, as it is shown; from then on the presenter
// shows the changes above it, the prompt standing inside above them. Where
// no presenter can be had, Qt paints them.
void FullScreenWindow::repaintChanged(const std::vector<QRect>& changed) {
    if (!presenterTried_ && isVisible() && windowHandle()) {
        presenterTried_ = true;
        presenter_ = ShmPresenter::over(*windowHandle(), surface(), globals_);
    }
    if (!presenter_) {
        // Float's moves, kept apart for a presenter that could not be had,
        // are in no changed rectangle.
        if (presents()) return update();
        return SaverWindow::repaintChanged(changed);
    }
    QWidget* inside = prompt() && prompt()->parentWidget() == this ? prompt() : nullptr;
    presenter_->present(changed, int(std::lround(devicePixelRatioF())), inside);
}

// The compositor sizes a full-screen window to its output by itself; only
// another output needs it shown afresh there.
void FullScreenWindow::followArea() {
    if (isVisible() && shownOn_ != coveredScreen()) {
        presenter_.reset();
        presenterTried_ = false;
        hide();
        showOnScreen();
    }
}

void FullScreenWindow::showForm(bool takeKeyboard) {
    showOnScreen();
    if (!takeKeyboard) return;
    // Through xdg-activation where the compositor offers it: Mutter keeps a
    // window that comes up unfocused below the focused one.
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

// No stacking order to ask for: a full-screen window stands above the
// others on its output, and the prompt, a dialog of the primary screen's
// window, above it.
void FullScreenWindow::placeWindow(bool) { showOnScreen(); }

// The output is chosen before the window is mapped: the full-screen request
// names it.
void FullScreenWindow::showOnScreen() {
    if (isVisible() && isFullScreen()) return;
    create();
    if (coveredScreen()) windowHandle()->setScreen(coveredScreen());
    shownOn_ = coveredScreen();
    showFullScreen();
}

}  // namespace skyfolio
