#pragma once

#include <cstdint>
#include <functional>
#include <memory>

struct wl_compositor;
struct wl_display;
struct wl_seat;
struct wl_shm;
struct wl_subcompositor;
struct wl_surface;
struct zwlr_layer_shell_v1;

namespace skyfolio {

// The compositor's interfaces our own surfaces are made with, bound on Qt's
// connection. Any of them may be missing: the compositor's choice.
struct WaylandGlobals {
    wl_display* display = nullptr;
    wl_compositor* compositor = nullptr;
    wl_subcompositor* subcompositor = nullptr;
    wl_shm* shm = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;
    wl_seat* seat = nullptr;
    // What the seat has, as the compositor said (wl_seat's capabilities),
    // and who is told when it says so again.
    uint32_t seatCapabilities = 0;
    std::function<void()> seatChanged;

    ~WaylandGlobals();
    // Pointer and keys pass through `surface` to what lies below it.
    void takeNoInput(wl_surface* surface) const;
    // Nothing off a Wayland session.
    static std::shared_ptr<WaylandGlobals> bind();
};

}  // namespace skyfolio
