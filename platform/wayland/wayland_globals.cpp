#include "platform/wayland/wayland_globals.h"

#include "platform/wayland/layer_shell.h"
#include "platform/wayland/wayland_connection.h"

#include <QGuiApplication>
#include <QScreen>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <algorithm>
#include <cstring>

namespace skyfolio {
namespace {

// Damage counted in the buffer's pixels came with version 4.
constexpr uint32_t kCompositorVersion = 4;
// Version 5 releases its devices; older seats we leave as they are.
constexpr uint32_t kSeatVersion = 5;
// Names came with version 4; before, an output's position tells it apart.
constexpr uint32_t kOutputVersion = 4;
// Releasing came with version 3; before, the proxy alone goes.
constexpr uint32_t kOutputReleaseVersion = 3;

void seatHas(void* data, wl_seat*, uint32_t capabilities) {
    auto& globals = *static_cast<WaylandGlobals*>(data);
    globals.seatCapabilities = capabilities;
    if (globals.seatChanged) globals.seatChanged();
}

void seatNamed(void*, wl_seat*, const char*) {}

const wl_seat_listener kSeat = {seatHas, seatNamed};

WaylandGlobals::Output& outputOf(void* data) { return *static_cast<WaylandGlobals::Output*>(data); }

void outputPlaced(void* data, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char*, const char*,
                  int32_t) {
    outputOf(data).position = QPoint(x, y);
}

void outputMode(void*, wl_output*, uint32_t, int32_t, int32_t, int32_t) {}

void outputDone(void* data, wl_output*) {
    WaylandGlobals::Output& output = outputOf(data);
    output.described = true;
    if (output.globals->outputsChanged) output.globals->outputsChanged();
}

void outputScale(void*, wl_output*, int32_t) {}

void outputNamed(void* data, wl_output*, const char* name) { outputOf(data).name = name; }

void outputDescribed(void*, wl_output*, const char*) {}

const wl_output_listener kOutput = {outputPlaced, outputMode, outputDone, outputScale, outputNamed, outputDescribed};

void destroyOutput(wl_output* output) {
    if (wl_output_get_version(output) >= kOutputReleaseVersion)
        wl_output_release(output);
    else
        wl_output_destroy(output);
}

template <typename Proxy>
Proxy* bound(wl_registry* registry, uint32_t name, const wl_interface& interface, uint32_t version) {
    return static_cast<Proxy*>(wl_registry_bind(registry, name, &interface, version));
}

}  // namespace

struct WaylandGlobals::Listener {
    static void announced(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
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
        } else if (std::strcmp(interface, wl_output_interface.name) == 0 && globals.registry_) {
            auto output = std::make_unique<Output>();
            output->global = name;
            output->globals = &globals;
            output->output = bound<wl_output>(registry, name, wl_output_interface, std::min(version, kOutputVersion));
            wl_output_add_listener(output->output, &kOutput, output.get());
            globals.outputs.push_back(std::move(output));
        }
    }

    static void withdrawn(void* data, wl_registry*, uint32_t name) {
        auto& globals = *static_cast<WaylandGlobals*>(data);
        const auto gone = std::find_if(globals.outputs.begin(), globals.outputs.end(),
                                       [name](const std::unique_ptr<Output>& output) { return output->global == name; });
        if (gone == globals.outputs.end()) return;
        destroyOutput((*gone)->output);
        globals.outputs.erase(gone);
        if (globals.outputsChanged) globals.outputsChanged();
    }
};

namespace {
const wl_registry_listener kRegistry = {WaylandGlobals::Listener::announced, WaylandGlobals::Listener::withdrawn};
}  // namespace

WaylandGlobals::~WaylandGlobals() {
    for (const std::unique_ptr<Output>& output : outputs) destroyOutput(output->output);
    if (registry_) wl_registry_destroy(registry_);
    if (seat) wl_seat_release(seat);
    // Its destructor request came with version 3; before, the proxy alone goes.
    if (layerShell && wl_proxy_get_version(reinterpret_cast<wl_proxy*>(layerShell)) >= 3)
        zwlr_layer_shell_v1_destroy(layerShell);
    else if (layerShell)
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(layerShell));
    if (shm) wl_shm_destroy(shm);
    if (subcompositor) wl_subcompositor_destroy(subcompositor);
    if (compositor) wl_compositor_destroy(compositor);
    if (connection_) wl_display_flush(display);
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

// To the compositor Qt talks to, and only where Qt does; one that breaks
// off while bound leaves nothing to use. Where Qt was handed a socket
// rather than a display's name, none may answer: Qt's connection serves.
std::shared_ptr<WaylandGlobals> WaylandGlobals::connect() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return nullptr;
    std::unique_ptr<WaylandConnection> connection = WaylandConnection::open();
    if (!connection) return nullptr;
    auto globals = std::make_shared<WaylandGlobals>();
    globals->display = connection->display();
    globals->registry_ = wl_display_get_registry(globals->display);
    wl_registry_add_listener(globals->registry_, &kRegistry, globals.get());
    globals->connection_ = std::move(connection);
    if (wl_display_roundtrip(globals->display) < 0 || wl_display_roundtrip(globals->display) < 0) return nullptr;
    return globals;
}

void WaylandGlobals::takeNoInput(wl_surface* surface) const {
    wl_region* nothing = wl_compositor_create_region(compositor);
    wl_surface_set_input_region(surface, nothing);
    wl_region_destroy(nothing);
}

wl_output* WaylandGlobals::outputOf(const QScreen* screen) const {
    const Output* output = screen ? matching(outputs, screen->name().toStdString(), screen->geometry().topLeft()) : nullptr;
    return output ? output->output : nullptr;
}

// Qt names a screen after its output where the compositor names outputs
// to it, which may be through another protocol than ours.
const WaylandGlobals::Output* WaylandGlobals::matching(const std::vector<std::unique_ptr<Output>>& outputs,
                                                       const std::string& name, QPoint position) {
    for (const std::unique_ptr<Output>& output : outputs) {
        if (!output->described) continue;
        const bool named = !name.empty() && !output->name.empty();
        if (named ? output->name == name : output->position == position) return output.get();
    }
    return nullptr;
}

}  // namespace skyfolio
