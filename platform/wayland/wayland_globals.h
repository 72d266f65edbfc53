#pragma once

#include <QPoint>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QScreen;
struct wl_compositor;
struct wl_display;
struct wl_output;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_subcompositor;
struct wl_surface;
struct zwlr_layer_shell_v1;

namespace skyfolio {

class WaylandConnection;

// The compositor's interfaces our own surfaces are made with. Any of them
// may be missing: the compositor's choice.
struct WaylandGlobals {
    // An output as the compositor names and places it, for the QScreen
    // that Qt made of it on its own connection.
    struct Output {
        uint32_t global = 0;
        wl_output* output = nullptr;
        std::string name;
        QPoint position;
        // Until its first description is complete.
        bool described = false;
        // Whose outputsChanged hears of it.
        WaylandGlobals* globals = nullptr;
    };

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
    // Followed on a connection of our own only, as outputs come and go.
    std::vector<std::unique_ptr<Output>> outputs;
    std::function<void()> outputsChanged;

    ~WaylandGlobals();
    // Pointer and keys pass through `surface` to what lies below it.
    void takeNoInput(wl_surface* surface) const;
    // Our output for `screen`: by name, else where it lies; nothing for one
    // this connection has not been told of yet.
    wl_output* outputOf(const QScreen* screen) const;
    // Of `outputs`, the one described as Qt's screen of that name at that
    // place is.
    static const Output* matching(const std::vector<std::unique_ptr<Output>>& outputs, const std::string& name,
                                  QPoint position);

    // Bound on Qt's connection, for surfaces over Qt's windows. Nothing off
    // a Wayland session.
    static std::shared_ptr<WaylandGlobals> bind();
    // Bound on a connection of our own, outputs too, for surfaces that
    // stand alone.
    static std::shared_ptr<WaylandGlobals> connect();

    // The registry's, which binds what is announced.
    struct Listener;

private:
    // Kept, on a connection of our own, to hear of outputs.
    wl_registry* registry_ = nullptr;
    std::unique_ptr<WaylandConnection> connection_;
};

}  // namespace skyfolio
