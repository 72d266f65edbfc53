#pragma once

#include "platform/dirty_rectangles.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QWidget;
class QWindow;
struct wl_callback;
struct wl_event_queue;
struct wl_subsurface;
struct wl_surface;

namespace skyfolio {

class ImageSurface;
class SharedRows;
class ShmBuffer;
class SubsurfaceLayer;
struct WaylandGlobals;

// Shows a screen engine's image on a surface straight from the rows the
// engine draws in, which lie in shared memory the compositor maps (the
// engine's image shares them as ImageSurface::Sharing asks, and draws
// elsewhere while the compositor reads them). Float's picture and the
// prompt stand above on subsurfaces of their own, so moving the picture and
// typing at the prompt write none of the engine's rows. A frame is sent
// only once the compositor asked for the next, only the changes damaged.
class ShmPresenter {
public:
    // The engine's image as it now is.
    using Source = std::function<const ImageSurface&()>;

    // On a surface of our own over a Qt window's, which keeps the input:
    // ours takes none. `globals`, bound on Qt's connection, have what a
    // presenter needs. Nothing, where the window has no surface yet.
    static std::unique_ptr<ShmPresenter> over(QWindow& window, Source source,
                                              std::shared_ptr<const WaylandGlobals> globals);
    // On a surface of the caller's, which it keeps and gives a role; the
    // first frame is committed with the first present().
    ShmPresenter(Source source, std::shared_ptr<const WaylandGlobals> globals, wl_surface* surface);
    ~ShmPresenter();

    // The rectangles of device pixels that changed, shown at `scale` device
    // pixels to the surface's one, with `above` standing over them where it
    // stands: inside the window, or, standing alone, on the desktop, whose
    // point `origin` is the surface's corner.
    void present(const std::vector<QRect>& changed, int scale, QWidget* above, QPoint origin = {});
    // Whether the compositor may still read the rows.
    bool reads(const SharedRows& rows) const;
    // Where the compositor holds every one of the engine's rows, as it may
    // until it has taken the last frame: waits a little for it to let go of
    // one, rather than have the engine make another copy of its image.
    void awaitRelease();

private:
    void showNext();
    ShmBuffer* bufferFor(const std::shared_ptr<const SharedRows>& rows, QSize size);
    void showAbove();

    static void frameDone(void* data, wl_callback* callback, uint32_t time);

    Source source_;
    std::shared_ptr<const WaylandGlobals> globals_;
    wl_surface* surface_;
    // Ours to destroy, where the presenter stands over a Qt window.
    wl_subsurface* subsurface_ = nullptr;
    wl_callback* frame_ = nullptr;
    // A buffer for each of the engine's rows shown, kept while they live;
    // their releases come on a queue of ours, read as the engine asks.
    wl_event_queue* releases_;
    std::vector<std::unique_ptr<ShmBuffer>> buffers_;
    std::unique_ptr<SubsurfaceLayer> overlay_;
    std::unique_ptr<SubsurfaceLayer> prompt_;
    // What changed since the last frame committed; all of it, for a buffer
    // shown for the first time.
    DirtyRectangles damage_;
    bool whole_ = true;
    int scale_ = 0;
    // Changes wait for the compositor's call for a frame.
    bool pending_ = false;
    QWidget* above_ = nullptr;
    QPoint aboveAt_;
    // The prompt's pixels, written in turn: the last shown and the next.
    std::array<std::shared_ptr<SharedRows>, 2> promptRows_;
    size_t promptShown_ = 0;
    QSize promptSize_;
};

}  // namespace skyfolio
