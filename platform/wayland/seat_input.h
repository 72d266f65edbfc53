#pragma once

#include "platform/wayland/xkb_keys.h"

#include <QEvent>
#include <QPointer>
#include <QPointF>
#include <QWidget>

#include <map>
#include <memory>

struct wl_keyboard;
struct wl_pointer;
struct wl_surface;

namespace skyfolio {

struct WaylandGlobals;

// The seat's keyboard and pointer over surfaces of our own, which Qt does
// not know: handed to the widget each surface stands for as Qt's own events,
// keys with the text they type in the seat's keymap, the pointer's position
// in the surface's logical pixels. The pointer is hidden over them.
class SeatInput {
public:
    explicit SeatInput(std::shared_ptr<WaylandGlobals> globals);
    ~SeatInput();
    SeatInput(const SeatInput&) = delete;
    SeatInput& operator=(const SeatInput&) = delete;

    // `window` takes what comes to `surface`, whose corner lies at `origin`
    // on the desktop.
    void attach(wl_surface* surface, QWidget* window, QPoint origin);
    void detach(wl_surface* surface);

private:
    struct Target {
        QPointer<QWidget> window;
        QPoint origin;
    };

    void followDevices();
    void keymap(int fd, uint32_t size);
    void key(uint32_t code);
    void pointerEvent(QEvent::Type type, QPointF at);
    Target* target(wl_surface* surface);

    friend struct SeatListeners;

    std::shared_ptr<WaylandGlobals> globals_;
    wl_keyboard* keyboard_ = nullptr;
    wl_pointer* pointer_ = nullptr;
    XkbKeys keys_;
    std::map<wl_surface*, Target> targets_;
    wl_surface* keyFocus_ = nullptr;
    wl_surface* pointerFocus_ = nullptr;
    QPointF pointerAt_;
};

}  // namespace skyfolio
