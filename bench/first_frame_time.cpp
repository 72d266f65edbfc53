// How long a program takes from its start to its first frame on the X
// server: it runs the program and watches one pixel of the root window
// (which shows whatever covers it) until the pixel changes, then stops the
// program with SIGTERM. Prints the milliseconds.
//
//   first_frame_time X Y program [argument ...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

unsigned long pixelAt(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s X Y program [argument ...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 1;
    }
    const unsigned long before = pixelAt(display, x, y);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[3], argv + 3);
        _exit(127);
    }
    int status = 0;
    while (pixelAt(display, x, y) == before) {
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "%s: the program ended before its first frame\n", argv[0]);
            return 1;
        }
        usleep(200);
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%.1f\n", elapsed.count());
    kill(child, SIGTERM);
    waitpid(child, &status, 0);
    return 0;
}
