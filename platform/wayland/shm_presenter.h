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
struct wl_compositor;
struct wl_display;
struct wl_shm;
struct wl_subcompositor;
struct wl_subsurface;
struct wl_surface;

namespace skyfolio {

class ImageSurface;

// Shows a screen engine's image on a surface of our own over a Qt window's,
// in shared-memory buffers of our own: two, written in turn, each brought up
// to date by copying only the rectangles changed since it was last shown,
// and a frame sent only once the compositor asked for the next. Qt's own
// buffers are copied whole every frame the compositor still holds the last.
// The window below keeps the input: our surface takes none.
class ShmPresenter {
public:
    // The engine's image as it now is.
    using Source = std::function<const ImageSurface&()>;

    // Nothing, where the compositor or the window lacks what it needs.
    static std::unique_ptr<ShmPresenter> over(QWindow& window, Source source);
    ~ShmPresenter();

    // The rectangles of device pixels that changed, shown at `scale` device
    // pixels to the window's one, with `above`, a child of the window, drawn
    // over them where it stands.
    void present(const std::vector<QRect>& changed, int scale, QWidget* above);

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

    ShmPresenter(Source source, wl_compositor* compositor, wl_subcompositor* subcompositor, wl_shm* shm,
                 wl_surface* below);
    bool makeBuffers(QSize size);
    void dropBuffers();
    void showNext();
    void drawAbove(Buffer& buffer);

    static void frameDone(void* data, wl_callback* callback, uint32_t time);
    static void released(void* data, wl_buffer* buffer);

    Source source_;
    wl_compositor* compositor_;
    wl_subcompositor* subcompositor_;
    wl_shm* shm_;
    wl_surface* surface_ = nullptr;
    wl_subsurface* subsurface_ = nullptr;
    wl_callback* frame_ = nullptr;
    std::array<Buffer, 2> buffers_;
    QSize size_;
    int scale_ = 1;
    // Changes wait for the compositor's call for a frame, or a free buffer.
    bool pending_ = false;
    QWidget* above_ = nullptr;
};

}  // namespace skyfolio
