#include "platform/wayland/seat_input.h"

#include "platform/wayland/wayland_globals.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstring>
#include <string_view>

namespace skyfolio {
// The listeners, with every event the protocol's versions we bind may send.
struct SeatListeners {
    static SeatInput& of(void* data) { return *static_cast<SeatInput*>(data); }

    static void keymap(void* data, wl_keyboard*, uint32_t format, int fd, uint32_t size) {
        if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1)
            of(data).keymap(fd, size);
        close(fd);
    }
    static void enter(void* data, wl_keyboard*, uint32_t, wl_surface* surface, wl_array*) {
        of(data).keyFocus_ = surface;
    }
    static void leave(void* data, wl_keyboard*, uint32_t, wl_surface*) { of(data).keyFocus_ = nullptr; }
    static void key(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t code, uint32_t state) {
        if (state == WL_KEYBOARD_KEY_STATE_PRESSED) of(data).key(code);
    }
    static void modifiers(void* data, wl_keyboard*, uint32_t, uint32_t depressed, uint32_t latched, uint32_t locked,
                          uint32_t group) {
        of(data).keys_.setModifiers(depressed, latched, locked, group);
    }
    // A held key ends the saver on its first press; its repeats add nothing.
    static void repeat(void*, wl_keyboard*, int32_t, int32_t) {}

    static void pointerEnter(void* data, wl_pointer* pointer, uint32_t serial, wl_surface* surface, wl_fixed_t x,
                             wl_fixed_t y) {
        // No cursor: nothing of the desktop's shows over the pictures.
        wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
        of(data).pointerFocus_ = surface;
        // Crossing to another output's surface is a movement too, and the
        // only event it brings.
        of(data).pointerEvent(QEvent::MouseMove, QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y)));
    }
    static void pointerLeave(void* data, wl_pointer*, uint32_t, wl_surface*) { of(data).pointerFocus_ = nullptr; }
    static void motion(void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
        of(data).pointerEvent(QEvent::MouseMove, QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y)));
    }
    static void button(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t, uint32_t state) {
        if (state == WL_POINTER_BUTTON_STATE_PRESSED)
            of(data).pointerEvent(QEvent::MouseButtonPress, of(data).pointerAt_);
    }
    // The wheel ends nothing, as on X11.
    static void axis(void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {}
    static void frame(void*, wl_pointer*) {}
    static void axisSource(void*, wl_pointer*, uint32_t) {}
    static void axisStop(void*, wl_pointer*, uint32_t, uint32_t) {}
    static void axisDiscrete(void*, wl_pointer*, uint32_t, int32_t) {}

    // Zero first: later libwayland adds the events of later versions, which
    // the version bound never sends.
    static wl_keyboard_listener keyboardListener() {
        wl_keyboard_listener listener{};
        listener.keymap = keymap;
        listener.enter = enter;
        listener.leave = leave;
        listener.key = key;
        listener.modifiers = modifiers;
        listener.repeat_info = repeat;
        return listener;
    }
    static wl_pointer_listener pointerListener() {
        wl_pointer_listener listener{};
        listener.enter = pointerEnter;
        listener.leave = pointerLeave;
        listener.motion = motion;
        listener.button = button;
        listener.axis = axis;
        listener.frame = frame;
        listener.axis_source = axisSource;
        listener.axis_stop = axisStop;
        listener.axis_discrete = axisDiscrete;
        return listener;
    }
};

SeatInput::SeatInput(std::shared_ptr<WaylandGlobals> globals) : globals_(std::move(globals)) {
    globals_->seatChanged = [this] { followDevices(); };
    followDevices();
}

SeatInput::~SeatInput() {
    globals_->seatChanged = nullptr;
    if (keyboard_) wl_keyboard_release(keyboard_);
    if (pointer_) wl_pointer_release(pointer_);
}

void SeatInput::attach(wl_surface* surface, QWidget* window, QPoint origin) { targets_[surface] = {window, origin}; }

void SeatInput::detach(wl_surface* surface) {
    targets_.erase(surface);
    if (keyFocus_ == surface) keyFocus_ = nullptr;
    if (pointerFocus_ == surface) pointerFocus_ = nullptr;
}

// A keyboard or pointer plugged in or taken away while the saver runs.
void SeatInput::followDevices() {
    const uint32_t has = globals_->seatCapabilities;
    const bool keyboard = has & WL_SEAT_CAPABILITY_KEYBOARD;
    const bool pointer = has & WL_SEAT_CAPABILITY_POINTER;
    if (keyboard && !keyboard_) {
        keyboard_ = wl_seat_get_keyboard(globals_->seat);
        static const wl_keyboard_listener listener = SeatListeners::keyboardListener();
        wl_keyboard_add_listener(keyboard_, &listener, this);
    } else if (!keyboard && keyboard_) {
        wl_keyboard_release(keyboard_);
        keyboard_ = nullptr;
        keyFocus_ = nullptr;
    }
    if (pointer && !pointer_) {
        pointer_ = wl_seat_get_pointer(globals_->seat);
        static const wl_pointer_listener listener = SeatListeners::pointerListener();
        wl_pointer_add_listener(pointer_, &listener, this);
    } else if (!pointer && pointer_) {
        wl_pointer_release(pointer_);
        pointer_ = nullptr;
        pointerFocus_ = nullptr;
    }
}

// The compositor's keymap, shared with us through a file.
void SeatInput::keymap(int fd, uint32_t size) {
    if (size == 0) return;
    void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (text == MAP_FAILED) return;
    const auto* chars = static_cast<const char*>(text);
    keys_.setKeymap(std::string_view(chars, strnlen(chars, size)));
    munmap(text, size);
}

void SeatInput::key(uint32_t code) {
    if (Target* to = target(keyFocus_)) QCoreApplication::sendEvent(to->window, keys_.press(code).get());
}

void SeatInput::pointerEvent(QEvent::Type type, QPointF at) {
    pointerAt_ = at;
    Target* to = target(pointerFocus_);
    if (!to) return;
    const Qt::MouseButton button = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, at + to->origin, button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(to->window, &event);
}

SeatInput::Target* SeatInput::target(wl_surface* surface) {
    const auto found = surface ? targets_.find(surface) : targets_.end();
    return found != targets_.end() && found->second.window ? &found->second : nullptr;
}

}  // namespace skyfolio
