#include "platform/x11/foreign_window.h"

#include <QGuiApplication>
#include <QSysInfo>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace skyfolio {
namespace {

// Larger bands save little once a band is a few hundred rows of a screen.
constexpr size_t kBandBytes = 4 << 20;
// A PutImage request's own fields, in front of its pixels.
constexpr size_t kPutImageHeaderBytes = 24;
constexpr uint8_t kBadWindow = 3;
constexpr uint8_t kBadDrawable = 9;

std::string windowName(std::optional<uint32_t> id) {
    if (!id) return "the root window";
    char text[32];
    std::snprintf(text, sizeof text, "window 0x%x", unsigned(*id));
    return text;
}

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPointer<Reply> owned(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

const xcb_visualtype_t* findVisual(xcb_connection_t* connection, xcb_visualid_t id, uint8_t* depth) {
    for (auto screen = xcb_setup_roots_iterator(xcb_get_setup(connection)); screen.rem; xcb_screen_next(&screen)) {
        for (auto d = xcb_screen_allowed_depths_iterator(screen.data); d.rem; xcb_depth_next(&d)) {
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
                if (v.data->visual_id != id) continue;
                *depth = d.data->depth;
                return v.data;
            }
        }
    }
    return nullptr;
}

uint8_t bitsPerPixel(xcb_connection_t* connection, uint8_t depth) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == depth) return f.data->bits_per_pixel;
    return 0;
}

// Our image's pixels go to the server as they are: 32 bits a pixel, red,
// green and blue where the server keeps them, in this machine's byte order.
bool takesOurPixels(xcb_connection_t* connection, const xcb_visualtype_t& visual, uint8_t depth) {
    const bool littleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    const uint8_t serverOrder = xcb_get_setup(connection)->image_byte_order;
    return visual._class == XCB_VISUAL_CLASS_TRUE_COLOR && visual.red_mask == 0xff0000 &&
           visual.green_mask == 0xff00 && visual.blue_mask == 0xff && (depth == 24 || depth == 32) &&
           bitsPerPixel(connection, depth) == 32 &&
           (serverOrder == XCB_IMAGE_ORDER_LSB_FIRST) == littleEndian;
}

}  // namespace

bool xDisplayAnswers() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    XCloseDisplay(display);
    return true;
}

std::variant<std::unique_ptr<ForeignWindow>, std::string> ForeignWindow::open(std::optional<uint32_t> id) {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection() || !x11->display()) return std::string("no X display to draw in");
    xcb_connection_t* connection = x11->connection();
    const uint32_t window = id ? *id : uint32_t(XDefaultRootWindow(x11->display()));
    const std::string name = windowName(id);

    // Added to what the toolkit itself selects there (on the root window it
    // watches properties). Selected before the size is read, so that no
    // resize falls between the two.
    const auto attributes = owned(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr));
    if (!attributes) return name + " does not exist";
    if (attributes->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT) return name + " cannot be drawn in";
    const uint32_t events =
        attributes->your_event_mask | XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    if (auto* failed = xcb_request_check(
            connection, xcb_change_window_attributes_checked(connection, window, XCB_CW_EVENT_MASK, &events))) {
        std::free(failed);
        return name + " does not exist";
    }
    const auto geometry = owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry) return name + " does not exist";

    uint8_t visualDepth = 0;
    const xcb_visualtype_t* visual = findVisual(connection, attributes->visual, &visualDepth);
    if (!visual || visualDepth != geometry->depth || !takesOurPixels(connection, *visual, geometry->depth))
        return name + " has a pixel format Skyfolio cannot draw in (it needs 24-bit true colour)";
    return std::unique_ptr<ForeignWindow>(
        new ForeignWindow(connection, window, {geometry->width, geometry->height}, geometry->depth));
}

ForeignWindow::ForeignWindow(xcb_connection_t* connection, uint32_t window, PictureSize size, uint8_t depth)
    : connection_(connection), window_(window), gc_(xcb_generate_id(connection)), size_(size), depth_(depth) {
    const uint32_t noExposures = 0;
    xcb_create_gc(connection_, gc_, window_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    const size_t maxRequest = size_t(xcb_get_maximum_request_length(connection_)) * 4;
    band_.resize(std::min(kBandBytes, maxRequest - kPutImageHeaderBytes) / sizeof(uint32_t));
    QCoreApplication::instance()->installNativeEventFilter(this);
}

ForeignWindow::~ForeignWindow() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
    xcb_free_gc(connection_, gc_);
    xcb_flush(connection_);
}

void ForeignWindow::setPaint(PaintFunction paint) {
    paint_ = std::move(paint);
    repaint({QRect(0, 0, size_.width, size_.height)});
}

void ForeignWindow::repaint(const std::vector<QRect>& changed) {
    if (!paint_ || gone_) return;
    for (const QRect& rect : changed) put(rect & QRect(0, 0, size_.width, size_.height));
    xcb_flush(connection_);
}

void ForeignWindow::put(const QRect& rect) {
    if (rect.isEmpty()) return;
    // At least a row, even one wider than a band: a server's smallest request
    // still holds a row of 16383 pixels.
    const size_t width = size_t(rect.width());
    if (band_.size() < width) band_.resize(width);
    const int rows = int(std::max<size_t>(1, band_.size() / width));
    for (int top = rect.top(); top <= rect.bottom(); top += rows) {
        const int height = std::min(rows, rect.bottom() + 1 - top);
        paint_(QRect(rect.left(), top, rect.width(), height), band_.data(), rect.width());
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_, uint16_t(rect.width()), uint16_t(height),
                      int16_t(rect.left()), int16_t(top), 0, depth_, uint32_t(width * height * sizeof(uint32_t)),
                      reinterpret_cast<const uint8_t*>(band_.data()));
    }
}

bool ForeignWindow::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == 0) {
        // Our requests' errors are ours to judge: the window went away
        // between two of them.
        const auto* error = reinterpret_cast<const xcb_generic_error_t*>(event);
        if (error->resource_id != window_ && error->resource_id != gc_) return false;
        if (!gone_ && error->resource_id == window_ &&
            (error->error_code == kBadWindow || error->error_code == kBadDrawable)) {
            gone_ = true;
            if (events_.destroyed) events_.destroyed();
        }
        return true;
    }
    if (gone_) return false;
    switch (event->response_type & 0x7f) {
        case XCB_EXPOSE: {
            const auto* expose = reinterpret_cast<const xcb_expose_event_t*>(event);
            if (expose->window != window_) return false;
            repaint({QRect(expose->x, expose->y, expose->width, expose->height)});
            return true;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
            if (configure->window != window_) return false;
            const PictureSize size{configure->width, configure->height};
            if (size == size_) return true;
            size_ = size;
            if (events_.resized) events_.resized(size_);
            return true;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto* destroy = reinterpret_cast<const xcb_destroy_notify_event_t*>(event);
            if (destroy->window != window_) return false;
            gone_ = true;
            if (events_.destroyed) events_.destroyed();
            return true;
        }
        default:
            return false;
    }
}

}  // namespace skyfolio
