// A pointer plugged into a headless sway, which has none of its own, through
// the wlroots virtual-pointer protocol. It reads commands from standard
// input, one a line: "X Y" moves it there on the desktop, whose size is
// given, and "click" presses and releases the left button. It says
// "plugged" once the compositor has it, and is unplugged at the end of the
// input.
//
//   skyfolio-test-pointer WIDTH HEIGHT <commands
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

namespace {

zwlr_virtual_pointer_manager_v1* manager = nullptr;

void announced(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}

void withdrawn(void*, wl_registry*, uint32_t) {}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: skyfolio-test-pointer WIDTH HEIGHT <commands\n";
        return 2;
    }
    const uint32_t width = std::stoul(argv[1]);
    const uint32_t height = std::stoul(argv[2]);
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::cerr << "no Wayland display\n";
        return 1;
    }
    static const wl_registry_listener listener = {announced, withdrawn};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, nullptr);
    wl_display_roundtrip(display);
    if (!manager) {
        std::cerr << "the compositor has no virtual pointers\n";
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, nullptr);
    wl_display_roundtrip(display);
    std::cout << "plugged" << std::endl;
    uint32_t time = 0;
    for (std::string line; std::getline(std::cin, line);) {
        time += 10;
        if (line == "click") {
            zwlr_virtual_pointer_v1_button(pointer, time, BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
            zwlr_virtual_pointer_v1_frame(pointer);
            zwlr_virtual_pointer_v1_button(pointer, time, BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
        } else {
            uint32_t x = 0, y = 0;
            std::istringstream(line) >> x >> y;
            zwlr_virtual_pointer_v1_motion_absolute(pointer, time, x, y, width, height);
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        wl_display_roundtrip(display);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
