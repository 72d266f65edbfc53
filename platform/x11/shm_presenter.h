#pragma once

#include <QAbstractNativeEventFilter>
#include <QRect>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct xcb_connection_t;

namespace skyfolio {

class ImageSurface;
class SharedRows;

// Whether a window of this visual and depth takes our image's pixels as they
// are: 32 bits a pixel, red, green and blue where the server keeps them, in
// this machine's byte order.
bool takesOurPixels(xcb_connection_t* connection, uint32_t visual, uint8_t depth);

// Puts an image's rectangles into an X window through the toolkit's own
// connection. Where the server maps the image's shared rows, each rectangle
// is one request that names it in the segment, and the server copies it
// from there: no copy of ours, nothing over the socket. Elsewhere (a remote
// display, a server without MIT-SHM) the rows go over the socket in bands,
// as large as a request may be; that is said once on standard error.
class X11ShmPresenter : public QAbstractNativeEventFilter {
public:
    // Puts what shows within a rectangle into rows of `stride` pixels from `to`.
    using PaintFunction = std::function<void(const QRect& rect, uint32_t* to, int stride)>;

    // For a window of `depth` whose visual takes our pixels.
    X11ShmPresenter(xcb_connection_t* connection, uint32_t window, uint8_t depth);
    // Null where the window's pixel format is not ours.
    static std::unique_ptr<X11ShmPresenter> forWindow(xcb_connection_t* connection, uint32_t window);
    ~X11ShmPresenter() override;
    X11ShmPresenter(const X11ShmPresenter&) = delete;
    X11ShmPresenter& operator=(const X11ShmPresenter&) = delete;

    // What the surface shows within these rectangles, which lie within it.
    void present(const std::vector<QRect>& changed, const ImageSurface& surface);
    // What `paint` puts within this rectangle, sent in bands.
    void paint(const QRect& rect, const PaintFunction& paint);
    // Returns once the server has read everything presented: it then has
    // almost always said so already, and this costs nothing.
    void awaitServer();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // A segment the server maps: the image's or the overlay's.
    struct Attached {
        int id = -1;
        uint32_t segment = 0;
    };

    // The server's name for these rows, mapped once; none where it cannot.
    uint32_t attach(const SharedRows* rows, Attached& attached);
    void detach(Attached& attached);
    void sendBands(const QRect& rect, const PaintFunction& paint);

    xcb_connection_t* connection_;
    uint32_t window_;
    uint32_t gc_;
    uint8_t depth_;
    // The server's MIT-SHM, while it has not failed us.
    bool sharing_;
    uint8_t completionEvent_ = 0;
    Attached image_;
    Attached overlay_;
    // The request whose completion says the server has read the last present.
    bool reading_ = false;
    uint16_t lastPut_ = 0;
    // A band's size, and the band, made at the first one sent: where the
    // server maps our rows that may be never, and each screen would hold
    // its 4 MB for nothing.
    size_t bandPixels_ = 0;
    std::vector<uint32_t> band_;
};

}  // namespace skyfolio
