#include "platform/x11/shm_presenter.h"

#include "imaging/pixels.h"
#include "platform/image_surface.h"
#include "platform/shared_rows.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <sys/socket.h>
#include <xcb/shm.h>
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

// A server elsewhere would map a segment of its own machine by our number.
bool onThisMachine(xcb_connection_t* connection) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    return getsockname(xcb_get_file_descriptor(connection), reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
           address.ss_family == AF_UNIX;
}

void sayOnce(const char* why) {
    static bool said = false;
    if (said) return;
    said = true;
    std::fprintf(stderr, "skyfolio: %s; the pictures go to it over its connection instead, at a higher cost\n", why);
}

}  // namespace

bool takesOurPixels(xcb_connection_t* connection, uint32_t visualId, uint8_t depth) {
    uint8_t visualDepth = 0;
    const xcb_visualtype_t* visual = findVisual(connection, visualId, &visualDepth);
    const bool littleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    const uint8_t serverOrder = xcb_get_setup(connection)->image_byte_order;
    return visual && visualDepth == depth && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
           visual->red_mask == 0xff0000 && visual->green_mask == 0xff00 && visual->blue_mask == 0xff &&
           (depth == 24 || depth == 32) && bitsPerPixel(connection, depth) == 32 &&
           (serverOrder == XCB_IMAGE_ORDER_LSB_FIRST) == littleEndian;
}

X11ShmPresenter::X11ShmPresenter(xcb_connection_t* connection, uint32_t window, uint8_t depth)
    : connection_(connection), window_(window), gc_(xcb_generate_id(connection)), depth_(depth) {
    const uint32_t noExposures = 0;
    xcb_create_gc(connection_, gc_, window_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    const size_t maxRequest = size_t(xcb_get_maximum_request_length(connection_)) * 4;
    bandPixels_ = std::min(kBandBytes, maxRequest - kPutImageHeaderBytes) / sizeof(uint32_t);

    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(connection_, &xcb_shm_id);
    sharing_ = shm && shm->present && onThisMachine(connection_);
    if (sharing_) {
        completionEvent_ = uint8_t(shm->first_event + XCB_SHM_COMPLETION);
    } else {
        sayOnce(shm && shm->present ? "the X server is on another machine"
                                    : "the X server has no shared memory (MIT-SHM)");
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
}

std::unique_ptr<X11ShmPresenter> X11ShmPresenter::forWindow(xcb_connection_t* connection, uint32_t window) {
    auto* attributes = xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
    auto* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    std::unique_ptr<X11ShmPresenter> presenter;
    if (attributes && geometry && takesOurPixels(connection, attributes->visual, geometry->depth))
        presenter = std::make_unique<X11ShmPresenter>(connection, window, geometry->depth);
    std::free(attributes);
    std::free(geometry);
    return presenter;
}

X11ShmPresenter::~X11ShmPresenter() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
    detach(image_);
    detach(overlay_);
    xcb_free_gc(connection_, gc_);
    xcb_flush(connection_);
}

void X11ShmPresenter::present(const std::vector<QRect>& changed, const ImageSurface& surface) {
    const PaintFunction shown = [&surface](const QRect& rect, uint32_t* to, int stride) {
        surface.copyShown(rect, to, stride);
    };
    const uint32_t image = attach(surface.sharedRows().get(), image_);
    if (!image) {
        for (const QRect& rect : changed) sendBands(rect, shown);
        xcb_flush(connection_);
        return;
    }
    const uint32_t overlay = attach(surface.sharedOverlayRows().get(), overlay_);
    const QRect overlayArea = surface.overlayArea();
    // Only the last request asks for word that the server is done: it takes
    // them in order.
    struct Put {
        uint32_t segment = 0;
        QRect from;
        QSize rows;
        QPoint to;
    } held;
    const auto put = [&](const Put& next, bool last) {
        if (held.segment) {
            const auto cookie = xcb_shm_put_image(
                connection_, window_, gc_, uint16_t(held.rows.width()), uint16_t(held.rows.height()),
                uint16_t(held.from.x()), uint16_t(held.from.y()), uint16_t(held.from.width()),
                uint16_t(held.from.height()), int16_t(held.to.x()), int16_t(held.to.y()), depth_,
                XCB_IMAGE_FORMAT_Z_PIXMAP, last, held.segment, 0);
            if (last) {
                lastPut_ = uint16_t(cookie.sequence);
                reading_ = true;
            }
        }
        held = next;
    };
    const QSize imageRows(surface.size().width, surface.size().height);
    for (const QRect& rect : changed) {
        const QRect above = rect & overlayArea;
        if (above.isEmpty()) {
            put({image, rect, imageRows, rect.topLeft()}, false);
            continue;
        }
        for (const PixelRect& part :
             subtracted({rect.x(), rect.y(), rect.width(), rect.height()},
                        {above.x(), above.y(), above.width(), above.height()})) {
            const QRect beneath(part.x, part.y, part.width, part.height);
            put({image, beneath, imageRows, beneath.topLeft()}, false);
        }
        if (overlay)
            put({overlay, above.translated(-overlayArea.topLeft()), overlayArea.size(), above.topLeft()}, false);
        else
            sendBands(above, shown);
    }
    put({}, true);
    xcb_flush(connection_);
}

void X11ShmPresenter::paint(const QRect& rect, const PaintFunction& paint) {
    sendBands(rect, paint);
    xcb_flush(connection_);
}

void X11ShmPresenter::awaitServer() {
    if (!reading_) return;
    // The reply comes after every earlier request is done with.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    reading_ = false;
}

bool X11ShmPresenter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!completionEvent_ || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != completionEvent_) return false;
    const auto* completion = reinterpret_cast<const xcb_shm_completion_event_t*>(event);
    if (completion->shmseg != image_.segment && completion->shmseg != overlay_.segment) return false;
    if (completion->sequence == lastPut_) reading_ = false;
    return true;
}

uint32_t X11ShmPresenter::attach(const SharedRows* rows, Attached& attached) {
    if (!sharing_ || !rows) return 0;
    if (rows->id() == attached.id) return attached.segment;
    detach(attached);
    // Checked, once a segment: a server that cannot map it says so only here.
    const uint32_t segment = xcb_generate_id(connection_);
    if (auto* failed = xcb_request_check(
            connection_, xcb_shm_attach_checked(connection_, segment, uint32_t(rows->id()), true))) {
        std::free(failed);
        sharing_ = false;
        sayOnce("the X server could not map our shared memory");
        return 0;
    }
    attached = {rows->id(), segment};
    return segment;
}

void X11ShmPresenter::detach(Attached& attached) {
    if (attached.id < 0) return;
    xcb_shm_detach(connection_, attached.segment);
    attached = {};
}

void X11ShmPresenter::sendBands(const QRect& rect, const PaintFunction& paint) {
    if (rect.isEmpty()) return;
    // At least a row, even one wider than a band: a server's smallest request
    // still holds a row of 16383 pixels.
    const size_t width = size_t(rect.width());
    const size_t wanted = std::max(bandPixels_, width);
    if (band_.size() < wanted) band_.resize(wanted);
    const int rows = int(std::max<size_t>(1, band_.size() / width));
    for (int top = rect.top(); top <= rect.bottom(); top += rows) {
        const int height = std::min(rows, rect.bottom() + 1 - top);
        paint(QRect(rect.left(), top, rect.width(), height), band_.data(), rect.width());
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_, uint16_t(rect.width()), uint16_t(height),
                      int16_t(rect.left()), int16_t(top), 0, depth_, uint32_t(width * height * sizeof(uint32_t)),
                      reinterpret_cast<const uint8_t*>(band_.data()));
    }
}

}  // namespace skyfolio
