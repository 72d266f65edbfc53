#include "platform/wayland/wayland_globals.h"

#include "platform/wayland/layer_shell.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <cstring>

namespace skyfolio {
namespace {

// Damage counted in the buffer's pixels came with version 4.
constexpr uint32_t kCompositorVersion = 4;
// Version 5 releases its devices; older seats we leave as they are.
constexpr uint32_t kSeatVersion = 5;

void seatHas(void* data, wl_seat*, uint32_t capabilities) {
    auto& globals = *static_cast<WaylandGlobals*>(data);
    globals.seatCapabilities = capabilities;
    if (globals.seatChanged) globals.seatChanged();
}

void seatNamed(void*, wl_seat*, const char*) {}

const wl_seat_listener kSeat = {seatHas, seatNamed};

template <typename Proxy>
Proxy* bound(wl_registry* registry, uint32_t name, const wl_interface& interface, uint32_t version) {
    return static_cast<Proxy*>(wl_registry_bind(registry, name, &interface, version));
}

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
    auto& globals = *static_cast<WaylandGlobals*>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 && version >= kCompositorVersion)
        globals.compositor = bound<wl_compositor>(registry, name, wl_compositor_interface, kCompositorVersion);
    else if (std::strcmp(interface, wl_subcompositor_interface.name) == 0)
        globals.subcompositor = bound<wl_subcompositor>(registry, name, wl_subcompositor_interface, 1);
    else if (std::strcmp(interface, wl_shm_interface.name) == 0)
        globals.shm = bound<wl_shm>(registry, name, wl_shm_interface, 1);
    else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0)
        globals.layerShell = bound<zwlr_layer_shell_v1>(registry, name, zwlr_layer_shell_v1_interface, 1);
    // The first seat: a desktop with more is one we cannot tell apart anyway.
    else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals.seat && version >= kSeatVersion) {
        globals.seat = bound<wl_seat>(registry, name, wl_seat_interface, kSeatVersion);
        // Before the next round trip, which brings what it has.
        wl_seat_add_listener(globals.seat, &kSeat, &globals);
    }
}

void withdrawn(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistry = {announced, withdrawn};

}  // namespace

WaylandGlobals::~WaylandGlobals() {
    if (seat) wl_seat_release(seat);
    // Its destructor request came with version 3; before, the proxy alone goes.
    if (layerShell && wl_proxy_get_version(reinterpret_cast<wl_proxy*>(layerShell)) >= 3)
        zwlr_layer_shell_v1_destroy(layerShell);
    else if (layerShell)
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(layerShell));
    if (shm) wl_shm_destroy(shm);
    if (subcompositor) wl_subcompositor_destroy(subcompositor);
    if (compositor) wl_compositor_destroy(compositor);
}

// Bound on a queue of our own, so that Qt's reading of the connection is
// undisturbed; what is made from them afterwards goes to Qt's queue, which
// Qt dispatches on the main thread.
std::shared_ptr<WaylandGlobals> WaylandGlobals::bind() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display = static_cast<wl_display*>(native ? native->nativeResourceForIntegration("wl_display") : nullptr);
    if (!display) return nullptr;
    auto globals = std::make_shared<WaylandGlobals>();
    globals->display = display;
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue);
    wl_registry* registry = wl_display_get_registry(wrapped);
    wl_registry_add_listener(registry, &kRegistry, globals.get());
    wl_display_roundtrip_queue(display, queue);
    // The second brings what the bound globals said first.
    wl_display_roundtrip_queue(display, queue);
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapped);
    for (void* proxy : {static_cast<void*>(globals->compositor), static_cast<void*>(globals->subcompositor),
                        static_cast<void*>(globals->shm), static_cast<void*>(globals->layerShell),
                        static_cast<void*>(globals->seat)})
        if (proxy) wl_proxy_set_queue(static_cast<wl_proxy*>(proxy), nullptr);
    wl_event_queue_destroy(queue);
    return globals;
}

void WaylandGlobals::takeNoInput(wl_surface* surface) const {
    wl_region* nothing = wl_compositor_create_region(compositor);
    wl_surface_set_input_region(surface, nothing);
    wl_region_destroy(nothing);
}

}  // namespace skyfolio
