#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QWidget;
class QWindow;
struct wl_buffer;
struct wl_callback;
struct wl_subsurface;
struct wl_surface;

namespace skyfolio {

class ImageSurface;
struct WaylandGlobals;

// Shows a screen engine's image on a surface in shared-memory buffers of our
// own: two, written in turn, each brought up to date by copying only the
// rectangles changed since it was last shown, and a frame sent only once the
// compositor asked for the next. Qt's own buffers are copied whole every
// frame the compositor still holds the last.
class ShmPresenter {
public:
    // The engine's image as it now is.
    using Source = std::function<const ImageSurface&()>;

    // On a surface of our own over a Qt window's, which keeps the input:
    // ours takes none. Nothing, where the compositor or the window lacks
    // what it needs.
    static std::unique_ptr<ShmPresenter> over(QWindow& window, Source source);
    // On a surface of the caller's, which it keeps and gives a role; the
    // first frame is committed with the first present().
    ShmPresenter(Source source, std::shared_ptr<const WaylandGlobals> globals, wl_surface* surface);
    ~ShmPresenter();

    // The rectangles of device pixels that changed, shown at `scale` device
    // pixels to the surface's one, with `above` drawn over them where it
    // stands: inside the window, or, standing alone, on the desktop, whose
    // point `origin` is the surface's corner.
    void present(const std::vector<QRect>& changed, int scale, QWidget* above, QPoint origin = {});

private:
    struct Buffer {
        wl_buffer* buffer = nullptr;
        uint32_t* pixels = nullptr;
        size_t bytes = 0;
        bool busy = false;
        // What changed since this buffer was last written: one region, so
        // that a picture moving over two frames is copied once.
        QRegion stale;
    };

    bool makeBuffers(QSize size);
    void dropBuffers();
    void showNext();
    void drawAbove(Buffer& buffer);

    static void frameDone(void* data, wl_callback* callback, uint32_t time);
    static void released(void* data, wl_buffer* buffer);

    Source source_;
    std::shared_ptr<const WaylandGlobals> globals_;
    wl_surface* surface_;
    // Ours to destroy, where the presenter stands over a Qt window.
    wl_subsurface* subsurface_ = nullptr;
    wl_callback* frame_ = nullptr;
    std::array<Buffer, 2> buffers_;
    QSize size_;
    int scale_ = 1;
    // Changes wait for the compositor's call for a frame, or a free buffer.
    bool pending_ = false;
    QWidget* above_ = nullptr;
    QPoint aboveAt_;
};

}  // namespace skyfolio
