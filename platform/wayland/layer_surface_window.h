#pragma once

#include "platform/wayland/wayland_saver_window.h"

#include <QSize>

#include <memory>

struct wl_surface;
struct zwlr_layer_surface_v1;

namespace skyfolio {

class SeatInput;
struct WaylandGlobals;

// The saver window on a compositor with layer shells (wlroots', KDE's): a
// surface of our own on the overlay layer of its output, above panels,
// notifications and full-screen windows, holding the keyboard. Qt never
// shows the widget, so keeps no buffer for it: the engine's pixels go to the
// compositor through the presenter alone, and the seat's input comes in as
// Qt's events. A prompt standing alone stands above the primary output's
// image.
class LayerSurfaceWindow : public WaylandSaverWindow {
public:
    LayerSurfaceWindow(SurfaceFunction surface, std::shared_ptr<const WaylandGlobals> globals, SeatInput& seat);
    ~LayerSurfaceWindow() override;

    void showForm(bool takeKeyboard) override;
    void placeWindow(bool topmost) override;
    void repaintChanged(const std::vector<QRect>& changed) override;
    // Maps the surface once our connection knows the screen's output.
    void outputsChanged() override;

private:
    void followArea() override;
    void map();
    void unmap();
    int scale() const;

    static void configured(void* data, zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t width, uint32_t height);
    static void closed(void* data, zwlr_layer_surface_v1* layer);

    std::shared_ptr<const WaylandGlobals> globals_;
    SeatInput& seat_;
    // Asked for by the saver, whether or not mapped yet.
    bool shown_ = false;
    QScreen* mappedOn_ = nullptr;
    wl_surface* surface_ = nullptr;
    zwlr_layer_surface_v1* layer_ = nullptr;
    // Frames wait for the compositor's first configure.
    bool configured_ = false;
};

}  // namespace skyfolio
