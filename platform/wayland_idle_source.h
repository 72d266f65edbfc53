#pragma once

#include "platform/idle_source.h"

#include <QSocketNotifier>

#include <memory>
#include <string>
#include <variant>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct ext_idle_notifier_v1;
struct ext_idle_notification_v1;
struct org_kde_kwin_idle;
struct org_kde_kwin_idle_timeout;

namespace skyfolio {

// The compositor's idle notifications on a Wayland connection of our own:
// ext_idle_notifier_v1 (KDE Plasma, sway 1.8 and later, Hyprland, labwc),
// else org_kde_kwin_idle (older KWin, sway 1.7). The compositor counts, and
// keeps an idle-inhibit surface (a video player's) from counting.
class WaylandIdleSource : public IdleSource {
public:
    // The source on $WAYLAND_DISPLAY, or why there is none.
    static std::variant<std::unique_ptr<WaylandIdleSource>, std::string> open(Events events);
    ~WaylandIdleSource() override;

    const char* name() const override;
    void arm(std::chrono::milliseconds timeout) override;

    // Called by the protocols' listeners.
    void onIdle() { events_.idle(); }
    void onRegistryGlobal(wl_registry* registry, uint32_t id, const char* interface, uint32_t version);

private:
    WaylandIdleSource(wl_display* display, Events events);
    void dropNotification();
    void readEvents();

    wl_display* display_;
    Events events_;
    wl_registry* registry_ = nullptr;
    wl_seat* seat_ = nullptr;
    ext_idle_notifier_v1* notifier_ = nullptr;
    ext_idle_notification_v1* notification_ = nullptr;
    org_kde_kwin_idle* kdeIdle_ = nullptr;
    org_kde_kwin_idle_timeout* kdeTimeout_ = nullptr;
    std::unique_ptr<QSocketNotifier> readable_;
};

}  // namespace skyfolio
