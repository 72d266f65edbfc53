#include "platform/wayland/wayland_window_system.h"

#include "platform/wayland/full_screen_window.h"
#include "platform/wayland/layer_surface_window.h"
#include "platform/wayland/seat_input.h"
#include "platform/wayland/wayland_globals.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>

namespace skyfolio {

namespace {

bool presentsOn(const WaylandGlobals* globals) {
    return globals && globals->compositor && globals->subcompositor && globals->shm;
}

}  // namespace

// Layer surfaces need the seat's input and buffers of our own on surfaces of
// our own, all on a connection of ours, which Qt's windows are not on; a
// compositor lacking any of them gets full-screen windows.
WaylandWindowSystem::WaylandWindowSystem() {
    std::shared_ptr<WaylandGlobals> own = WaylandGlobals::connect();
    if (presentsOn(own.get()) && own->layerShell && own->seat) {
        globals_ = std::move(own);
        seat_ = std::make_unique<SeatInput>(globals_);
        // Qt may make a screen of an output before our connection hears of it.
        globals_->outputsChanged = [this] {
            for (WaylandSaverWindow* window : windows_)
                if (window) window->outputsChanged();
        };
        return;
    }
    std::shared_ptr<WaylandGlobals> qts = WaylandGlobals::bind();
    if (presentsOn(qts.get())) globals_ = std::move(qts);
}

WaylandWindowSystem::~WaylandWindowSystem() {
    if (globals_) globals_->outputsChanged = nullptr;
}

std::unique_ptr<SaverWindow> WaylandWindowSystem::saverWindow(SaverWindow::SurfaceFunction surface) {
    std::erase_if(windows_, [](const QPointer<WaylandSaverWindow>& window) { return window.isNull(); });
    std::unique_ptr<WaylandSaverWindow> window;
    if (seat_)
        window = std::make_unique<LayerSurfaceWindow>(std::move(surface), globals_, *seat_);
    else
        window = std::make_unique<FullScreenWindow>(std::move(surface), globals_);
    window->passKeysTo(prompt_);
    windows_.emplace_back(window.get());
    return window;
}

// Between layer surfaces the prompt stands alone, never shown by Qt: the
// primary output's surface draws it. Between full-screen windows it stands
// inside the primary screen's: a dialog of its own would be stacked and
// focused as the compositor likes (sway leaves the keyboard with the
// full-screen window, Mutter may stack it beneath). A window that goes takes
// its children along: they are handed back first.
void WaylandWindowSystem::standAboveSaver(QWidget& dialog) {
    prompt_ = &dialog;
    for (WaylandSaverWindow* window : windows_)
        if (window) window->passKeysTo(&dialog);
    if (seat_) {
        dialog.setAttribute(Qt::WA_DontShowOnScreen);
        return;
    }
    const auto onPrimary = std::find_if(windows_.begin(), windows_.end(), [](const QPointer<WaylandSaverWindow>& window) {
        return window && window->coveredScreen() == QGuiApplication::primaryScreen();
    });
    if (onPrimary == windows_.end()) return;
    if (dialog.parentWidget() != *onPrimary) dialog.setParent(*onPrimary, Qt::Widget);
}

}  // namespace skyfolio
