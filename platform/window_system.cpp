#include "platform/window_system.h"

#include "platform/wayland/wayland_window_system.h"
#include "platform/x11/x11_window_system.h"

#include <QGuiApplication>

namespace skyfolio {

// Any other platform (offscreen, a VNC server) places windows as X11 does.
std::unique_ptr<WindowSystem> sessionWindowSystem() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return std::make_unique<WaylandWindowSystem>();
    return std::make_unique<X11WindowSystem>();
}

}  // namespace skyfolio
