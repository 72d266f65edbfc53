#include "platform/wayland/full_screen_window.h"

#include <QWindow>

namespace skyfolio {

FullScreenWindow::FullScreenWindow(PaintFunction paint) : SaverWindow(std::move(paint), {}) {}

// The compositor sizes a full-screen window to its output by itself; only
// another output needs it shown afresh there.
void FullScreenWindow::followArea() {
    if (isVisible() && shownOn_ != coveredScreen()) {
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
