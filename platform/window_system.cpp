#include "platform/window_system.h"

#if SKYFOLIO_WITH_WAYLAND
#include "platform/wayland/wayland_window_system.h"
#endif
#if SKYFOLIO_WITH_X11
#include "platform/x11/x11_window_system.h"
#endif

#include <QGuiApplication>

namespace skyfolio {
namespace {

bool waylandSession() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

void preferBuiltWindowSystem() {
    // Qt's own choice of platform is the user's where they made one; a build
    // without Wayland's side takes XWayland where there is one.
    if (SKYFOLIO_WITH_WAYLAND || qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

// Any other platform (offscreen, a VNC server) places windows as X11 does.
std::unique_ptr<WindowSystem> sessionWindowSystem() {
#if SKYFOLIO_WITH_WAYLAND
    if (waylandSession()) return std::make_unique<WaylandWindowSystem>();
#endif
#if SKYFOLIO_WITH_X11
    if (!waylandSession()) return std::make_unique<X11WindowSystem>();
#endif
    return nullptr;
}

std::string missingWindowSystemMessage() {
    return waylandSession() ? "This Skyfolio was built without Wayland, and no X server (XWayland) answered: "
                              "the screen saver cannot run in this session."
                            : "This Skyfolio was built without X11: its screen saver runs on Wayland desktops only.";
}

}  // namespace skyfolio
