#include "platform/wayland/wayland_window_system.h"

#include "platform/wayland/full_screen_window.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>

namespace skyfolio {

std::unique_ptr<SaverWindow> WaylandWindowSystem::saverWindow(SaverWindow::SurfaceFunction surface) {
    std::erase_if(windows_, [](const QPointer<FullScreenWindow>& window) { return window.isNull(); });
    auto window = std::make_unique<FullScreenWindow>(std::move(surface));
    window->passKeysTo(prompt_);
    windows_.emplace_back(window.get());
    return window;
}

// Inside the primary screen's saver window: a dialog of its own would be
// stacked and focused as the compositor likes (sway leaves the keyboard
// with the full-screen window, Mutter may stack it beneath). A window that
// goes takes its children along: they are handed back first.
void WaylandWindowSystem::standAboveSaver(QWidget& dialog) {
    prompt_ = &dialog;
    for (FullScreenWindow* window : windows_)
        if (window) window->passKeysTo(&dialog);
    const auto onPrimary = std::find_if(windows_.begin(), windows_.end(), [](const QPointer<FullScreenWindow>& window) {
        return window && window->coveredScreen() == QGuiApplication::primaryScreen();
    });
    if (onPrimary == windows_.end()) return;
    if (dialog.parentWidget() != *onPrimary) dialog.setParent(*onPrimary, Qt::Widget);
}

}  // namespace skyfolio
