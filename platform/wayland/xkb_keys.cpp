#include "platform/wayland/xkb_keys.h"

#include <xkbcommon/xkbcommon.h>

#include <array>
#include <utility>

namespace skyfolio {
namespace {

// The keys that type nothing yet mean something to a text box or a dialog;
// the rest are told apart by the text they type.
Qt::Key qtKey(xkb_keysym_t sym, const QString& text) {
    static const std::array<std::pair<xkb_keysym_t, Qt::Key>, 12> kKeys = {{
        {XKB_KEY_Return, Qt::Key_Return},
        {XKB_KEY_KP_Enter, Qt::Key_Enter},
        {XKB_KEY_Escape, Qt::Key_Escape},
        {XKB_KEY_BackSpace, Qt::Key_Backspace},
        {XKB_KEY_Tab, Qt::Key_Tab},
        {XKB_KEY_Delete, Qt::Key_Delete},
        {XKB_KEY_Left, Qt::Key_Left},
        {XKB_KEY_Right, Qt::Key_Right},
        {XKB_KEY_Up, Qt::Key_Up},
        {XKB_KEY_Down, Qt::Key_Down},
        {XKB_KEY_Home, Qt::Key_Home},
        {XKB_KEY_End, Qt::Key_End},
    }};
    for (const auto& [known, key] : kKeys)
        if (sym == known) return key;
    if (text.size() == 1 && text.front().isPrint()) return Qt::Key(text.front().toUpper().unicode());
    return Qt::Key_unknown;
}

Qt::KeyboardModifiers qtModifiers(xkb_state* state) {
    Qt::KeyboardModifiers modifiers;
    const auto active = [state](const char* name) {
        return xkb_state_mod_name_is_active(state, name, XKB_STATE_MODS_EFFECTIVE) > 0;
    };
    if (active(XKB_MOD_NAME_SHIFT)) modifiers |= Qt::ShiftModifier;
    if (active(XKB_MOD_NAME_CTRL)) modifiers |= Qt::ControlModifier;
    if (active(XKB_MOD_NAME_ALT)) modifiers |= Qt::AltModifier;
    if (active(XKB_MOD_NAME_LOGO)) modifiers |= Qt::MetaModifier;
    return modifiers;
}

}  // namespace

XkbKeys::XkbKeys() : context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {}

XkbKeys::~XkbKeys() {
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

bool XkbKeys::setKeymap(std::string_view text) {
    if (!context_) return false;
    xkb_keymap* keymap = xkb_keymap_new_from_buffer(context_, text.data(), text.size(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                                    XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap) return false;
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    keymap_ = keymap;
    state_ = xkb_state_new(keymap_);
    return state_ != nullptr;
}

void XkbKeys::setModifiers(uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group) {
    if (state_) xkb_state_update_mask(state_, depressed, latched, locked, 0, 0, group);
}

std::unique_ptr<QKeyEvent> XkbKeys::press(uint32_t code) const {
    // Evdev's codes are eight below X's, which xkb counts in.
    const xkb_keycode_t keycode = code + 8;
    QString text;
    xkb_keysym_t sym = XKB_KEY_NoSymbol;
    Qt::KeyboardModifiers modifiers;
    if (state_) {
        sym = xkb_state_key_get_one_sym(state_, keycode);
        std::array<char, 64> typed{};
        xkb_state_key_get_utf8(state_, keycode, typed.data(), typed.size());
        text = QString::fromUtf8(typed.data());
        modifiers = qtModifiers(state_);
    }
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, qtKey(sym, text), modifiers, keycode, sym, 0, text);
}

}  // namespace skyfolio
