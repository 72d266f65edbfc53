#include "platform/wayland_idle_source.h"

#include "ext-idle-notify-v1-client-protocol.h"
#include "idle-client-protocol.h"

#include <wayland-client.h>

#include <cstdlib>
#include <cstring>

namespace skyfolio {
namespace {

WaylandIdleSource* sourceOf(void* data) { return static_cast<WaylandIdleSource*>(data); }

const wl_registry_listener kRegistry = {
    .global = [](void* data, wl_registry* registry, uint32_t id, const char* interface,
                 uint32_t version) { sourceOf(data)->onRegistryGlobal(registry, id, interface, version); },
    .global_remove = [](void*, wl_registry*, uint32_t) {},
};

// "resumed" needs no answer: the compositor counts again by itself.
const ext_idle_notification_v1_listener kNotification = {
    .idled = [](void* data, ext_idle_notification_v1*) { sourceOf(data)->onIdle(); },
    .resumed = [](void*, ext_idle_notification_v1*) {},
};

const org_kde_kwin_idle_timeout_listener kKdeTimeout = {
    .idle = [](void* data, org_kde_kwin_idle_timeout*) { sourceOf(data)->onIdle(); },
    .resumed = [](void*, org_kde_kwin_idle_timeout*) {},
};

}  // namespace

std::variant<std::unique_ptr<WaylandIdleSource>, std::string> WaylandIdleSource::open(Events events) {
    const char* name = std::getenv("WAYLAND_DISPLAY");
    if (!name || !*name) return std::string("no Wayland display (WAYLAND_DISPLAY is not set)");
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return std::string("the Wayland display ") + name + " does not answer";
    std::unique_ptr<WaylandIdleSource> source(new WaylandIdleSource(display, std::move(events)));
    source->registry_ = wl_display_get_registry(display);
    wl_registry_add_listener(source->registry_, &kRegistry, source.get());
    if (wl_display_roundtrip(display) < 0) return std::string("the Wayland display ") + name + " went away";
    if (!source->seat_ || (!source->notifier_ && !source->kdeIdle_))
        return std::string("the Wayland compositor offers neither ext_idle_notifier_v1 nor org_kde_kwin_idle");
    source->readable_ = std::make_unique<QSocketNotifier>(wl_display_get_fd(display), QSocketNotifier::Read);
    QObject::connect(source->readable_.get(), &QSocketNotifier::activated, [s = source.get()] { s->readEvents(); });
    return source;
}

WaylandIdleSource::WaylandIdleSource(wl_display* display, Events events)
    : display_(display), events_(std::move(events)) {}

WaylandIdleSource::~WaylandIdleSource() {
    readable_.reset();
    dropNotification();
    if (notifier_) ext_idle_notifier_v1_destroy(notifier_);
    if (kdeIdle_) org_kde_kwin_idle_destroy(kdeIdle_);
    if (seat_) wl_seat_destroy(seat_);
    if (registry_) wl_registry_destroy(registry_);
    wl_display_disconnect(display_);
}

const char* WaylandIdleSource::name() const {
    return notifier_ ? "the Wayland compositor's idle notifications (ext_idle_notifier_v1)"
                     : "the Wayland compositor's idle notifications (org_kde_kwin_idle)";
}

void WaylandIdleSource::onRegistryGlobal(wl_registry* registry, uint32_t id, const char* interface, uint32_t) {
    // The first seat: the one a desktop session has.
    if (!seat_ && std::strcmp(interface, wl_seat_interface.name) == 0) {
        seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, id, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0) {
        notifier_ = static_cast<ext_idle_notifier_v1*>(wl_registry_bind(registry, id, &ext_idle_notifier_v1_interface, 1));
    } else if (std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0) {
        kdeIdle_ = static_cast<org_kde_kwin_idle*>(wl_registry_bind(registry, id, &org_kde_kwin_idle_interface, 1));
    }
}

// A new notification counts from its making.
void WaylandIdleSource::arm(std::chrono::milliseconds timeout) {
    dropNotification();
    const auto milliseconds = uint32_t(timeout.count());
    if (notifier_) {
        notification_ = ext_idle_notifier_v1_get_idle_notification(notifier_, milliseconds, seat_);
        ext_idle_notification_v1_add_listener(notification_, &kNotification, this);
    } else {
        kdeTimeout_ = org_kde_kwin_idle_get_idle_timeout(kdeIdle_, seat_, milliseconds);
        org_kde_kwin_idle_timeout_add_listener(kdeTimeout_, &kKdeTimeout, this);
    }
    wl_display_flush(display_);
}

void WaylandIdleSource::dropNotification() {
    if (notification_) ext_idle_notification_v1_destroy(notification_);
    if (kdeTimeout_) org_kde_kwin_idle_timeout_release(kdeTimeout_);
    notification_ = nullptr;
    kdeTimeout_ = nullptr;
}

void WaylandIdleSource::readEvents() {
    if (wl_display_dispatch(display_) >= 0) return;
    readable_->setEnabled(false);
    events_.lost();
}

}  // namespace skyfolio
