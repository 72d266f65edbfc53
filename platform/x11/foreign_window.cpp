#include "platform/x11/foreign_window.h"

#include "platform/image_surface.h"
#include "platform/x11/shm_presenter.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace skyfolio {
namespace {

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

void fillBlack(const QRect& rect, uint32_t* to, int stride) {
    for (int row = 0; row < rect.height(); ++row) std::fill_n(to + qsizetype(row) * stride, rect.width(), rgb32(0, 0, 0));
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

    if (!takesOurPixels(connection, attributes->visual, geometry->depth))
        return name + " has a pixel format Skyfolio cannot draw in (it needs 24-bit true colour)";
    return std::unique_ptr<ForeignWindow>(
        new ForeignWindow(connection, window, {geometry->width, geometry->height}, geometry->depth));
}

ForeignWindow::ForeignWindow(xcb_connection_t* connection, uint32_t window, PictureSize size, uint8_t depth)
    : window_(window), size_(size), presenter_(std::make_unique<X11ShmPresenter>(connection, window, depth)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

ForeignWindow::~ForeignWindow() { QCoreApplication::instance()->removeNativeEventFilter(this); }

void ForeignWindow::show(SurfaceFunction surface) {
    surface_ = std::move(surface);
    picture_ = QImage();
    repaint({QRect(0, 0, size_.width, size_.height)});
}

void ForeignWindow::showPicture(QImage picture) {
    surface_ = nullptr;
    picture_ = std::move(picture);
    repaint({QRect(0, 0, size_.width, size_.height)});
}

void ForeignWindow::repaint(const std::vector<QRect>& changed) {
    if (gone_ || (!surface_ && picture_.isNull())) return;
    const ImageSurface* surface = surface_ ? &surface_() : nullptr;
    const QRect window(0, 0, size_.width, size_.height);
    const QRect image = window & (surface ? QRect(0, 0, surface->size().width, surface->size().height) : picture_.rect());
    inside_.clear();
    for (const QRect& rect : changed) {
        const QRect whole = rect & window;
        const QRect shown = whole & image;
        if (!shown.isEmpty()) {
            if (surface) {
                inside_.push_back(shown);
            } else {
                presenter_->paint(shown, [this](const QRect& part, uint32_t* to, int stride) {
                    for (int row = part.top(); row <= part.bottom(); ++row)
                        std::memcpy(to + qsizetype(row - part.top()) * stride,
                                    reinterpret_cast<const uint32_t*>(picture_.constScanLine(row)) + part.left(),
                                    size_t(part.width()) * sizeof(uint32_t));
                });
            }
        }
        if (shown == whole) continue;
        for (const PixelRect& part : subtracted({whole.x(), whole.y(), whole.width(), whole.height()},
                                                {shown.x(), shown.y(), shown.width(), shown.height()}))
            presenter_->paint(QRect(part.x, part.y, part.width, part.height), fillBlack);
    }
    if (!inside_.empty()) presenter_->present(inside_, *surface);
}

void ForeignWindow::awaitPresented() { presenter_->awaitServer(); }

bool ForeignWindow::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == 0) {
        // Our requests' errors are ours to judge: the window went away
        // between two of them.
        const auto* error = reinterpret_cast<const xcb_generic_error_t*>(event);
        if (error->resource_id != window_) return false;
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
