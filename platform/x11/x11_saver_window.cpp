#include "platform/x11/x11_saver_window.h"

#include <QWindow>

namespace skyfolio {

// Bypassing the window manager lets us place the window ourselves, over any
// panel, on a desktop with a window manager and on a bare X server alike.
X11SaverWindow::X11SaverWindow(SurfaceFunction surface)
    : SaverWindow(std::move(surface), Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint) {}

void X11SaverWindow::followArea() { setGeometry(area()); }

void X11SaverWindow::showForm(bool takeKeyboard) {
    setGeometry(area());
    show();
    raise();
    if (!takeKeyboard) return;
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void X11SaverWindow::placeWindow(bool topmost) {
    setGeometry(area());
    // On the widget the flag would hide and recreate a shown window; the
    // native window takes it in place.
    if (QWindow* native = windowHandle()) native->setFlag(Qt::WindowStaysOnTopHint, topmost);
    show();
    if (topmost) raise();
}

// Disabled, too: the window manager's focus then passes it over.
void X11SaverWindow::setInputEnabled(bool enabled) {
    SaverWindow::setInputEnabled(enabled);
    setEnabled(enabled);
}

}  // namespace skyfolio
