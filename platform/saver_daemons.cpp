#include "platform/saver_daemons.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#if SKYFOLIO_WITH_X11
#include <xcb/xcb.h>
#endif

#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace skyfolio {
namespace {

#if SKYFOLIO_WITH_X11
// xscreensaver marks a window of its own, a child of the root window, with
// its version, where xscreensaver-command finds it.
bool xscreensaverRuns() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return false;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    bool found = false;
    if (!xcb_connection_has_error(connection)) {
        constexpr char kMark[] = "_SCREENSAVER_VERSION";
        auto* atom = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::strlen(kMark), kMark), nullptr);
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
        auto* tree = atom && atom->atom != XCB_ATOM_NONE && screens.rem
                         ? xcb_query_tree_reply(connection, xcb_query_tree(connection, screens.data->root), nullptr)
                         : nullptr;
        if (tree) {
            // Every question first, then the answers: one round trip, not one per window.
            const xcb_window_t* children = xcb_query_tree_children(tree);
            std::vector<xcb_get_property_cookie_t> asked;
            for (int i = 0; i < xcb_query_tree_children_length(tree); ++i)
                asked.push_back(xcb_get_property(connection, 0, children[i], atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 0));
            for (const xcb_get_property_cookie_t cookie : asked) {
                auto* property = xcb_get_property_reply(connection, cookie, nullptr);
                found = found || (property && property->type != XCB_ATOM_NONE);
                std::free(property);
            }
            std::free(tree);
        }
        std::free(atom);
    }
    xcb_disconnect(connection);
    return found;
}
#else
// Without X11 there is no display to look on.
bool xscreensaverRuns() { return false; }
#endif

}  // namespace

std::optional<std::string> runningSaverDaemon() {
    if (xscreensaverRuns()) return "xscreensaver";
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
