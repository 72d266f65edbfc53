#include "platform/wayland/shm_presenter.h"

#include "platform/image_surface.h"

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

struct Globals {
    wl_compositor* compositor = nullptr;
    wl_subcompositor* subcompositor = nullptr;
    wl_shm* shm = nullptr;
};

constexpr size_t kMostStale = 256;

// Damage counted in the buffer's pixels came with version 4.
constexpr uint32_t kCompositorVersion = 4;

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
    auto& globals = *static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 && version >= kCompositorVersion)
        globals.compositor = static_cast<wl_compositor*>(
            wl_registry_bind(registry, name, &wl_compositor_interface, kCompositorVersion));
    else if (std::strcmp(interface, wl_subcompositor_interface.name) == 0)
        globals.subcompositor =
            static_cast<wl_subcompositor*>(wl_registry_bind(registry, name, &wl_subcompositor_interface, 1));
    else if (std::strcmp(interface, wl_shm_interface.name) == 0)
        globals.shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
}

void withdrawn(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistry = {announced, withdrawn};

// Bound on a queue of our own, so that Qt's reading of the connection is
// undisturbed; what is made from them afterwards goes to Qt's queue, which
// Qt dispatches on the main thread.
Globals bindGlobals(wl_display* display) {
    Globals globals;
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue);
    wl_registry* registry = wl_display_get_registry(wrapped);
    wl_registry_add_listener(registry, &kRegistry, &globals);
    wl_display_roundtrip_queue(display, queue);
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapped);
    for (void* bound : {static_cast<void*>(globals.compositor), static_cast<void*>(globals.subcompositor),
                        static_cast<void*>(globals.shm)})
        if (bound) wl_proxy_set_queue(static_cast<wl_proxy*>(bound), nullptr);
    wl_event_queue_destroy(queue);
    return globals;
}

}  // namespace

std::unique_ptr<ShmPresenter> ShmPresenter::over(QWindow& window, Source source) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display = static_cast<wl_display*>(native ? native->nativeResourceForIntegration("wl_display") : nullptr);
    auto* below = static_cast<wl_surface*>(native ? native->nativeResourceForWindow("surface", &window) : nullptr);
    if (!display || !below) return nullptr;
    const Globals globals = bindGlobals(display);
    if (!globals.compositor || !globals.subcompositor || !globals.shm) {
        if (globals.compositor) wl_compositor_destroy(globals.compositor);
        if (globals.subcompositor) wl_subcompositor_destroy(globals.subcompositor);
        if (globals.shm) wl_shm_destroy(globals.shm);
        return nullptr;
    }
    return std::unique_ptr<ShmPresenter>(
        new ShmPresenter(std::move(source), globals.compositor, globals.subcompositor, globals.shm, below));
}

ShmPresenter::ShmPresenter(Source source, wl_compositor* compositor, wl_subcompositor* subcompositor, wl_shm* shm,
                           wl_surface* below)
    : source_(std::move(source)), compositor_(compositor), subcompositor_(subcompositor), shm_(shm) {
    surface_ = wl_compositor_create_surface(compositor_);
    subsurface_ = wl_subcompositor_get_subsurface(subcompositor_, surface_, below);
    // Shown as soon as committed, not with the window's next commit, which
    // may never come.
    wl_subsurface_set_desync(subsurface_);
    // A new subsurface shows once its parent commits, which Qt, painting
    // nothing more, may never do.
    wl_surface_commit(below);
    // Pointer and keys go to the window below, which Qt knows.
    wl_region* nothing = wl_compositor_create_region(compositor_);
    wl_surface_set_input_region(surface_, nothing);
    wl_region_destroy(nothing);
}

ShmPresenter::~ShmPresenter() {
    if (frame_) wl_callback_destroy(frame_);
    dropBuffers();
    wl_subsurface_destroy(subsurface_);
    wl_surface_destroy(surface_);
    wl_shm_destroy(shm_);
    wl_subcompositor_destroy(subcompositor_);
    wl_compositor_destroy(compositor_);
}

void ShmPresenter::present(const std::vector<QRect>& changed, int scale, QWidget* above) {
    above_ = above;
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
        wl_shm_pool* pool = wl_shm_create_pool(shm_, fd, int32_t(buffer.bytes));
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
    const QRect at = QRect(above_->geometry().topLeft() * scale_, above_->size() * scale_) & QRect(QPoint(), size_);
    if (at.isEmpty()) return;
    QImage pixels(reinterpret_cast<uchar*>(buffer.pixels), size_.width(), size_.height(), size_.width() * 4,
                  QImage::Format_RGB32);
    pixels.setDevicePixelRatio(scale_);
    QPainter painter(&pixels);
    above_->render(&painter, above_->geometry().topLeft());
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
