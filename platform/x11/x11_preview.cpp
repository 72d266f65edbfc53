#include "platform/x11/x11_preview.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bit>
#include <cstdlib>
#include <memory>

namespace skyfolio {
namespace {

// A stale or foreign window id is the host's business, not an error to show.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

class QuietErrors {
public:
    QuietErrors() : previous_(XSetErrorHandler(ignoreXError)) {}
    ~QuietErrors() { XSetErrorHandler(previous_); }

private:
    XErrorHandler previous_;
};

// One 8-bit channel placed where the visual's mask wants it.
unsigned long channel(int value, unsigned long mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const unsigned long scaled = bits <= 8 ? static_cast<unsigned long>(value) >> (8 - bits)
                                           : static_cast<unsigned long>(value) << (bits - 8);
    return (scaled << shift) & mask;
}

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

std::unique_ptr<XImage, ImageDeleter> imageForVisual(Display* display, const XWindowAttributes& window,
                                                     const QImage& source) {
    const Visual* visual = window.visual;
    if (visual->c_class != TrueColor) return nullptr;
    std::unique_ptr<XImage, ImageDeleter> image(XCreateImage(display, window.visual, window.depth, ZPixmap, 0, nullptr,
                                                             source.width(), source.height(), 32, 0));
    if (!image) return nullptr;
    // XDestroyImage frees the pixel data with free().
    image->data = static_cast<char*>(std::calloc(image->bytes_per_line, source.height()));
    if (!image->data) return nullptr;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb rgb = source.pixel(x, y);
            XPutPixel(image.get(), x, y,
                      channel(qRed(rgb), visual->red_mask) | channel(qGreen(rgb), visual->green_mask) |
                          channel(qBlue(rgb), visual->blue_mask));
        }
    }
    return image;
}

}  // namespace

void paintIntoX11Window(uint32_t windowId, const Picture& picture) {
    if (windowId == 0 || picture.isNull()) return;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return;
    {
        QuietErrors quiet;
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, windowId, &attributes) && attributes.c_class == InputOutput) {
            if (auto image = imageForVisual(display, attributes, picture.image())) {
                // Over the window's children too: a host's preview area may be
                // made of inner windows, and the whole area is ours to fill.
                XGCValues values{};
                values.subwindow_mode = IncludeInferiors;
                GC gc = XCreateGC(display, windowId, GCSubwindowMode, &values);
                XPutImage(display, windowId, gc, image.get(), 0, 0, 0, 0, picture.width(), picture.height());
                XFreeGC(display, gc);
            }
        }
        // Errors of the calls above arrive by this point, under our handler.
        XSync(display, False);
    }
    XCloseDisplay(display);
}

}  // namespace skyfolio
