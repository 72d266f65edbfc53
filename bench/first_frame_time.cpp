// How long a program takes from its start to its first frame on the X
// server: it runs the program and watches one pixel of the root window
// (which shows whatever covers it) until the pixel changes, then stops the
// program with SIGTERM. Prints the milliseconds. With --from TEXT, the clock
// starts instead when the program writes a line holding TEXT to its error
// output, as the idle watch does once it waits.
//
//   first_frame_time [--from TEXT] X Y program [argument ...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <fcntl.h>
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

// Whether the pipe has brought a line holding `text` yet; reads what waits.
bool saidYet(int pipe, const char* text, std::string& heard) {
    char bytes[256];
    ssize_t count;
    while ((count = read(pipe, bytes, sizeof bytes)) > 0) heard.append(bytes, size_t(count));
    return heard.find(text) != std::string::npos && heard.find('\n', heard.find(text)) != std::string::npos;
}

int main(int argc, char** argv) {
    const char* from = nullptr;
    if (argc > 2 && std::strcmp(argv[1], "--from") == 0) {
        from = argv[2];
        argv += 2;
        argc -= 2;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s [--from TEXT] X Y program [argument ...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 1;
    }
    const unsigned long before = pixelAt(display, x, y);
    auto start = std::chrono::steady_clock::now();
    int output[2] = {-1, -1};
    if (from && pipe2(output, O_NONBLOCK) != 0) return 1;
    const pid_t child = fork();
    if (child == 0) {
        if (from) dup2(output[1], STDERR_FILENO);
        execv(argv[3], argv + 3);
        _exit(127);
    }
    int status = 0;
    std::string heard;
    bool started = !from;
    while (!started || pixelAt(display, x, y) == before) {
        if (!started && saidYet(output[0], from, heard)) {
            start = std::chrono::steady_clock::now();
            started = true;
        }
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
