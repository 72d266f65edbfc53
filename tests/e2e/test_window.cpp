// A plain X11 window for the tests of host mode, as a daemon or a settings
// program would make one for a hack: mapped, of a given size and background
// colour. It prints its id in hex once the window is shown, then holds the
// window until it is killed, which destroys the window with its connection.
//
//   skyfolio-test-window WIDTHxHEIGHT RRGGBB
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    unsigned width = 0, height = 0, colour = 0;
    if (argc != 3 || std::sscanf(argv[1], "%ux%u", &width, &height) != 2 || std::sscanf(argv[2], "%x", &colour) != 1 ||
        width == 0 || height == 0) {
        std::fprintf(stderr, "usage: %s WIDTHxHEIGHT RRGGBB\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 1;
    }
    // The server going away at the end of a test is no error of ours.
    XSetIOErrorHandler([](Display*) -> int { std::exit(0); });
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, width, height, 0, 0, colour);
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == MapNotify) break;
    }
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    for (XEvent event;;) XNextEvent(display, &event);
}
