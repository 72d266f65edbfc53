#include "platform/wayland/shm_presenter.h"

#include "platform/image_surface.h"
#include "platform/wayland/wayland_globals.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstring>

namespace skyfolio {
namespace {

constexpr size_t kMostStale = 256;

}  // namespace

std::unique_ptr<ShmPresenter> ShmPresenter::over(QWindow& window, Source source) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* below = static_cast<wl_surface*>(native ? native->nativeResourceForWindow("surface", &window) : nullptr);
    std::shared_ptr<const WaylandGlobals> globals = below ? WaylandGlobals::bind() : nullptr;
    if (!globals || !globals->compositor || !globals->subcompositor || !globals->shm) return nullptr;
    wl_surface* surface = wl_compositor_create_surface(globals->compositor);
    wl_subsurface* subsurface = wl_subcompositor_get_subsurface(globals->subcompositor, surface, below);
    // Shown as soon as committed, not with the window's next commit, which
    // may never come.
    wl_subsurface_set_desync(subsurface);
    // A new subsurface shows once its parent commits, which Qt, painting
    // nothing more, may never do.
    wl_surface_commit(below);
    // Pointer and keys go to the window below, which Qt knows.
    wl_region* nothing = wl_compositor_create_region(globals->compositor);
    wl_surface_set_input_region(surface, nothing);
    wl_region_destroy(nothing);
    auto presenter = std::make_unique<ShmPresenter>(std::move(source), std::move(globals), surface);
    presenter->subsurface_ = subsurface;
    return presenter;
}

ShmPresenter::ShmPresenter(Source source, std::shared_ptr<const WaylandGlobals> globals, wl_surface* surface)
    : source_(std::move(source)), globals_(std::move(globals)), surface_(surface) {}

ShmPresenter::~ShmPresenter() {
    if (frame_) wl_callback_destroy(frame_);
    dropBuffers();
    if (!subsurface_) return;
    wl_subsurface_destroy(subsurface_);
    wl_surface_destroy(surface_);
}

void ShmPresenter::present(const std::vector<QRect>& changed, int scale, QWidget* above, QPoint origin) {
    above_ = above;
    if (above) aboveAt_ = above->isWindow() ? above->pos() - origin : above->mapTo(above->window(), QPoint());
    const ImageSurface& surface = source_();
    const QSize size(surface.size().width, surface.size().height);
    if (size != size_ || scale != scale_) {
        dropBuffers();
        if (!makeBuffers(size)) return;
        scale_ = scale;
        wl_surface_set_buffer_scale(surface_, scale_);
    } else {
        for (Buffer& buffer : buffers_) {
            for (const QRect& rect : changed) buffer.stale += rect;
            // Scattered changes over many frames the compositor did not call
            // for are as good as the whole.
            if (size_t(buffer.stale.rectCount()) > kMostStale) buffer.stale = QRect(QPoint(), size_);
        }
    }
    pending_ = true;
    showNext();
}

// A buffer for each of the two frames on their way, each the whole image:
// what a new one holds is written once, whole.
bool ShmPresenter::makeBuffers(QSize size) {
    size_ = size;
    const int stride = size.width() * 4;
    for (Buffer& buffer : buffers_) {
        buffer.bytes = size_t(stride) * size.height();
        const int fd = memfd_create("skyfolio-frame", MFD_CLOEXEC);
        if (fd < 0 || ftruncate(fd, off_t(buffer.bytes)) != 0) {
            if (fd >= 0) close(fd);
            return false;
        }
        void* pixels = mmap(nullptr, buffer.bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (pixels == MAP_FAILED) {
            close(fd);
            return false;
        }
        buffer.pixels = static_cast<uint32_t*>(pixels);
        wl_shm_pool* pool = wl_shm_create_pool(globals_->shm, fd, int32_t(buffer.bytes));
        buffer.buffer = wl_shm_pool_create_buffer(pool, 0, size.width(), size.height(), stride, WL_SHM_FORMAT_XRGB8888);
        wl_shm_pool_destroy(pool);
        close(fd);
        static const wl_buffer_listener release = {&ShmPresenter::released};
        wl_buffer_add_listener(buffer.buffer, &release, this);
        buffer.busy = false;
        buffer.stale = QRect(QPoint(), size);
    }
    return true;
}

void ShmPresenter::dropBuffers() {
    for (Buffer& buffer : buffers_) {
        if (buffer.buffer) wl_buffer_destroy(buffer.buffer);
        if (buffer.pixels) munmap(buffer.pixels, buffer.bytes);
        buffer = Buffer();
    }
    size_ = QSize();
}

// Into the buffer the compositor is not reading: what changed since it was
// last written, then the frame shown, only the changes damaged.
void ShmPresenter::showNext() {
    if (!pending_ || frame_) return;
    Buffer* free = nullptr;
    for (Buffer& buffer : buffers_)
        if (buffer.buffer && !buffer.busy) free = &buffer;
    if (!free) return;
    const ImageSurface& surface = source_();
    const QRect whole(QPoint(), size_);
    for (const QRect& rect : free->stale) {
        const QRect part = rect & whole;
        if (part.isEmpty()) continue;
        surface.copyShown(part, free->pixels + part.y() * size_.width() + part.x(), size_.width());
        wl_surface_damage_buffer(surface_, part.x(), part.y(), part.width(), part.height());
    }
    free->stale = QRegion();
    drawAbove(*free);
    free->busy = true;
    pending_ = false;
    wl_surface_attach(surface_, free->buffer, 0, 0);
    frame_ = wl_surface_frame(surface_);
    static const wl_callback_listener done = {&ShmPresenter::frameDone};
    wl_callback_add_listener(frame_, &done, this);
    wl_surface_commit(surface_);
}

// Drawn over the engine's pixels in every frame while it stands, and so
// taken away again, from both buffers, once it is gone.
void ShmPresenter::drawAbove(Buffer& buffer) {
    if (!above_ || !above_->isVisible()) return;
    const QRect at = QRect(aboveAt_ * scale_, above_->size() * scale_) & QRect(QPoint(), size_);
    if (at.isEmpty()) return;
    QImage pixels(reinterpret_cast<uchar*>(buffer.pixels), size_.width(), size_.height(), size_.width() * 4,
                  QImage::Format_RGB32);
    pixels.setDevicePixelRatio(scale_);
    QPainter painter(&pixels);
    above_->render(&painter, aboveAt_);
    wl_surface_damage_buffer(surface_, at.x(), at.y(), at.width(), at.height());
    for (Buffer& each : buffers_) each.stale += at;
}

void ShmPresenter::frameDone(void* data, wl_callback* callback, uint32_t) {
    auto* presenter = static_cast<ShmPresenter*>(data);
    wl_callback_destroy(callback);
    presenter->frame_ = nullptr;
    presenter->showNext();
}

void ShmPresenter::released(void* data, wl_buffer* buffer) {
    auto* presenter = static_cast<ShmPresenter*>(data);
    for (Buffer& held : presenter->buffers_)
        if (held.buffer == buffer) held.busy = false;
    presenter->showNext();
}

}  // namespace skyfolio
