#include "platform/wayland/layer_surface_window.h"

#include "platform/wayland/seat_input.h"
#include "platform/wayland/shm_presenter.h"
#include "platform/wayland/wayland_globals.h"

#include "platform/wayland/layer_shell.h"

#include <QGuiApplication>
#include <QScreen>

#include <wayland-client.h>

#include <cmath>

namespace skyfolio {
namespace {

constexpr uint32_t kAllEdges = ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                               ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;

}  // namespace

LayerSurfaceWindow::LayerSurfaceWindow(SurfaceFunction surface, std::shared_ptr<const WaylandGlobals> globals,
                                       SeatInput& seat)
    : WaylandSaverWindow(std::move(surface), true), globals_(std::move(globals)), seat_(seat) {}

LayerSurfaceWindow::~LayerSurfaceWindow() { unmap(); }

// The overlay layer holds the keyboard whether asked or not: a key must end
// the saver on whichever output it was typed.
void LayerSurfaceWindow::showForm(bool) {
    shown_ = true;
    map();
}

void LayerSurfaceWindow::placeWindow(bool) { showForm(true); }

void LayerSurfaceWindow::repaintChanged(const std::vector<QRect>& changed) {
    if (!presenter_ || !configured_) return;
    QWidget* alone = prompt();
    const bool prompting = alone && alone->isWindow() && alone->isVisible() &&
                           coveredScreen() == QGuiApplication::primaryScreen();
    presenter_->present(changed, scale(), prompting ? alone : nullptr, area().topLeft());
}

// The compositor sizes the surface to its output by itself; only another
// output needs a surface of its own.
void LayerSurfaceWindow::followArea() {
    // Device pixels are counted on the screen the widget says it is on.
    setScreen(coveredScreen());
    if (!shown_) return;
    if (mappedOn_ != coveredScreen()) {
        unmap();
        map();
    } else {
        seat_.attach(surface_, this, area().topLeft());
    }
}

void LayerSurfaceWindow::map() {
    if (layer_) return;
    wl_output* output = globals_->outputOf(coveredScreen());
    if (!output) return;
    mappedOn_ = coveredScreen();
    surface_ = wl_compositor_create_surface(globals_->compositor);
    layer_ = zwlr_layer_shell_v1_get_layer_surface(globals_->layerShell, surface_, output,
                                                   ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "skyfolio");
    zwlr_layer_surface_v1_set_anchor(layer_, kAllEdges);
    // Over panels too, not beside them.
    zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(layer_, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
    static const zwlr_layer_surface_v1_listener listener = {&LayerSurfaceWindow::configured,
                                                            &LayerSurfaceWindow::closed};
    zwlr_layer_surface_v1_add_listener(layer_, &listener, this);
    presenter_ = std::make_unique<ShmPresenter>(surface(), globals_, surface_);
    seat_.attach(surface_, this, area().topLeft());
    // Without a buffer: the compositor answers with the size.
    wl_surface_commit(surface_);
}

void LayerSurfaceWindow::outputsChanged() {
    if (shown_) map();
}

void LayerSurfaceWindow::unmap() {
    if (!layer_) return;
    seat_.detach(surface_);
    presenter_.reset();
    zwlr_layer_surface_v1_destroy(layer_);
    wl_surface_destroy(surface_);
    layer_ = nullptr;
    surface_ = nullptr;
    mappedOn_ = nullptr;
    configured_ = false;
}

int LayerSurfaceWindow::scale() const {
    return coveredScreen() ? std::max(1, int(std::lround(coveredScreen()->devicePixelRatio()))) : 1;
}

// The size is the output's, which the engine's image already has: the
// first frame maps the surface, whole.
void LayerSurfaceWindow::configured(void* data, zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t, uint32_t) {
    auto* window = static_cast<LayerSurfaceWindow*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    const bool first = !window->configured_;
    window->configured_ = true;
    if (first) window->repaintChanged({});
}

// Its output is gone: the screen's window goes with it once Qt says so.
void LayerSurfaceWindow::closed(void* data, zwlr_layer_surface_v1*) { static_cast<LayerSurfaceWindow*>(data)->unmap(); }

}  // namespace skyfolio
