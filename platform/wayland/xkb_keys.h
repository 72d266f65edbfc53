#pragma once

#include <QKeyEvent>

#include <cstdint>
#include <memory>
#include <string_view>

struct xkb_context;
struct xkb_keymap;
struct xkb_state;

namespace skyfolio {

// Key presses as the seat's keymap makes them: the key and the text it
// types, for Qt's widgets, from the codes and modifiers Wayland sends.
class XkbKeys {
public:
    XkbKeys();
    ~XkbKeys();
    XkbKeys(const XkbKeys&) = delete;
    XkbKeys& operator=(const XkbKeys&) = delete;

    // A keymap in xkb's text form, as the compositor sends it. One that
    // cannot be read leaves the last, or none: keys then type no text, yet
    // still end the saver.
    bool setKeymap(std::string_view text);
    void setModifiers(uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group);
    // The press of the key of evdev code `code`, as Wayland names keys.
    std::unique_ptr<QKeyEvent> press(uint32_t code) const;

private:
    xkb_context* context_;
    xkb_keymap* keymap_ = nullptr;
    xkb_state* state_ = nullptr;
};

}  // namespace skyfolio
