#include "platform/saver_daemons.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace skyfolio {
namespace {

// xscreensaver marks the root window it runs on with its version.
bool xscreensaverMarksRoot() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return false;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    bool marked = false;
    if (!xcb_connection_has_error(connection)) {
        constexpr char kMark[] = "_SCREENSAVER_VERSION";
        auto* atom = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::strlen(kMark), kMark), nullptr);
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
        if (atom && atom->atom != XCB_ATOM_NONE && screens.rem) {
            auto* property = xcb_get_property_reply(
                connection,
                xcb_get_property(connection, 0, screens.data->root, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 0),
                nullptr);
            marked = property && property->type != XCB_ATOM_NONE;
            std::free(property);
        }
        std::free(atom);
    }
    xcb_disconnect(connection);
    return marked;
}

}  // namespace

std::optional<std::string> runningSaverDaemon() {
    if (xscreensaverMarksRoot()) return "xscreensaver";
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
    if (!names) return std::nullopt;
    constexpr std::pair<const char*, const char*> kDaemonNames[] = {
        {"mate-screensaver", "org.mate.ScreenSaver"},
        {"xfce4-screensaver", "org.xfce.ScreenSaver"},
    };
    for (const auto& [daemon, name] : kDaemonNames) {
        if (names->isServiceRegistered(name)) return daemon;
    }
    return std::nullopt;
}

}  // namespace skyfolio
