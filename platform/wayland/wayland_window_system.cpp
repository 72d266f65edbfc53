#include "platform/wayland/wayland_window_system.h"

#include "platform/wayland/full_screen_window.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>

namespace skyfolio {

std::unique_ptr<SaverWindow> WaylandWindowSystem::saverWindow(SaverWindow::PaintFunction paint) {
    std::erase_if(windows_, [](const QPointer<SaverWindow>& window) { return window.isNull(); });
    auto window = std::make_unique<FullScreenWindow>(std::move(paint));
    windows_.emplace_back(window.get());
    return window;
}

// A compositor shows a full-screen window's dialogs above it, and no other
// window: the prompt is the primary screen's saver window's own dialog.
void WaylandWindowSystem::standAboveSaver(QWidget& dialog) {
    const auto onPrimary = std::find_if(windows_.begin(), windows_.end(), [](const QPointer<SaverWindow>& window) {
        return window && window->coveredScreen() == QGuiApplication::primaryScreen();
    });
    if (onPrimary == windows_.end() || !(*onPrimary)->windowHandle()) return;
    dialog.winId();  // its native window, to be given a parent before it maps
    dialog.windowHandle()->setTransientParent((*onPrimary)->windowHandle());
}

}  // namespace skyfolio
