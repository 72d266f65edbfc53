#include "platform/wayland/shm_presenter.h"

#include "platform/image_surface.h"
#include "platform/shared_rows.h"
#include "platform/wayland/shm_buffer.h"
#include "platform/wayland/subsurface_layer.h"
#include "platform/wayland/wayland_globals.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace skyfolio {
namespace {

// As many as the engine presents at most: damage is cheap to merge.
constexpr size_t kDamageRectangles = 16;
// Three frames at 60 Hz: sway, drawing in its own time, was seen to keep the
// last buffer some 50 ms after the next was committed.
constexpr std::chrono::milliseconds kLongestWait(50);

}  // namespace

std::unique_ptr<ShmPresenter> ShmPresenter::over(QWindow& window, Source source,
                                                 std::shared_ptr<const WaylandGlobals> globals) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* below = static_cast<wl_surface*>(native ? native->nativeResourceForWindow("surface", &window) : nullptr);
    if (!below || !globals) return nullptr;
    wl_surface* surface = wl_compositor_create_surface(globals->compositor);
    wl_subsurface* subsurface = wl_subcompositor_get_subsurface(globals->subcompositor, surface, below);
    // Shown as soon as committed, not with the window's next commit, which
    // may never come.
    wl_subsurface_set_desync(subsurface);
    // A new subsurface shows once its parent commits, which Qt, painting
    // nothing more, may never do.
    wl_surface_commit(below);
    // Pointer and keys go to the window below, which Qt knows.
    globals->takeNoInput(surface);
    auto presenter = std::make_unique<ShmPresenter>(std::move(source), std::move(globals), surface);
    presenter->subsurface_ = subsurface;
    return presenter;
}

// The prompt's layer is made last, so stands above the picture's.
ShmPresenter::ShmPresenter(Source source, std::shared_ptr<const WaylandGlobals> globals, wl_surface* surface)
    : source_(std::move(source)),
      globals_(std::move(globals)),
      surface_(surface),
      releases_(wl_display_create_queue(globals_->display)),
      overlay_(std::make_unique<SubsurfaceLayer>(globals_, surface_)),
      prompt_(std::make_unique<SubsurfaceLayer>(globals_, surface_)),
      damage_(kDamageRectangles) {}

ShmPresenter::~ShmPresenter() {
    if (frame_) wl_callback_destroy(frame_);
    prompt_.reset();
    overlay_.reset();
    buffers_.clear();
    wl_event_queue_destroy(releases_);
    if (!subsurface_) return;
    wl_subsurface_destroy(subsurface_);
    wl_surface_destroy(surface_);
}

void ShmPresenter::present(const std::vector<QRect>& changed, int scale, QWidget* above, QPoint origin) {
    above_ = above;
    if (above) aboveAt_ = above->isWindow() ? above->pos() - origin : above->mapTo(above->window(), QPoint());
    if (scale != scale_) {
        scale_ = scale;
        wl_surface_set_buffer_scale(surface_, scale_);
        whole_ = true;
    }
    for (const QRect& rect : changed) damage_.add(rect);
    pending_ = true;
    showNext();
}

bool ShmPresenter::reads(const SharedRows& rows) const {
    wl_display_dispatch_queue_pending(globals_->display, releases_);
    return overlay_->reads(rows) || std::any_of(buffers_.begin(), buffers_.end(), [&rows](const auto& buffer) {
               return buffer->held() && &buffer->rows() == &rows;
           });
}

// The engine's rows as they are, with the layers above, in one commit.
void ShmPresenter::showNext() {
    if (!pending_ || frame_) return;
    const ImageSurface& surface = source_();
    const QSize size(surface.size().width, surface.size().height);
    ShmBuffer* buffer = bufferFor(surface.sharedRows(), size);
    if (!buffer) return;
    const QRect overlay = surface.overlayArea();
    overlay_->show(surface.sharedOverlayRows(), overlay.size(), overlay.topLeft(), scale_);
    showAbove();
    buffer->attachTo(surface_);
    if (whole_) {
        wl_surface_damage_buffer(surface_, 0, 0, size.width(), size.height());
    } else {
        for (const QRect& rect : damage_.rects())
            wl_surface_damage_buffer(surface_, rect.x(), rect.y(), rect.width(), rect.height());
    }
    damage_.reset();
    whole_ = false;
    pending_ = false;
    frame_ = wl_surface_frame(surface_);
    static const wl_callback_listener done = {&ShmPresenter::frameDone};
    wl_callback_add_listener(frame_, &done, this);
    wl_surface_commit(surface_);
}

// A buffer for rows not shown before shows them whole; those of an image
// that is gone go once the compositor lets go of them.
ShmBuffer* ShmPresenter::bufferFor(const std::shared_ptr<const SharedRows>& rows, QSize size) {
    if (!rows) return nullptr;
    for (const std::unique_ptr<ShmBuffer>& buffer : buffers_)
        if (buffer->names(*rows, size)) return buffer.get();
    std::erase_if(buffers_, [](const auto& buffer) { return buffer->orphaned() && !buffer->held(); });
    std::unique_ptr<ShmBuffer> buffer = ShmBuffer::over(globals_->shm, rows, size, releases_);
    if (!buffer) return nullptr;
    whole_ = true;
    buffers_.push_back(std::move(buffer));
    return buffers_.back().get();
}

// The prompt is drawn each frame it stands into the rows not shown, and
// shown from them only where it looks different: a blinking cursor, a key
// typed.
void ShmPresenter::showAbove() {
    const QSize size = above_ && above_->isVisible() ? above_->size() * scale_ : QSize();
    if (size.isEmpty()) return prompt_->show(nullptr, {}, {}, scale_);
    if (size != promptSize_) {
        promptRows_ = {};
        promptSize_ = size;
    }
    const size_t bytes = size_t(size.width()) * size_t(size.height()) * 4;
    const size_t next = 1 - promptShown_;
    std::shared_ptr<SharedRows>& rows = promptRows_[next];
    if (!rows || prompt_->reads(*rows)) rows = SharedRows::make(bytes, SharedRows::Reader::Compositor);
    if (!rows) return;
    QImage pixels(reinterpret_cast<uchar*>(rows->data()), size.width(), size.height(), size.width() * 4,
                  QImage::Format_RGB32);
    pixels.setDevicePixelRatio(scale_);
    {
        QPainter painter(&pixels);
        above_->render(&painter);
    }
    const std::shared_ptr<SharedRows>& shown = promptRows_[promptShown_];
    const bool same = shown && std::memcmp(shown->data(), rows->data(), bytes) == 0;
    if (!same) promptShown_ = next;
    prompt_->show(promptRows_[promptShown_], size, aboveAt_ * scale_, scale_);
}

// Only our queue is dispatched: nothing of Qt's runs in the engine's tick.
// Qt's thread may be reading the connection too, and hands our events over.
void ShmPresenter::awaitRelease() {
    const auto allHeld = [this] {
        wl_display_dispatch_queue_pending(globals_->display, releases_);
        return buffers_.size() > 1 && std::all_of(buffers_.begin(), buffers_.end(), [](const auto& buffer) {
                   return buffer->held();
               });
    };
    const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
    while (allHeld()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return;
        if (wl_display_prepare_read_queue(globals_->display, releases_) != 0) continue;
        wl_display_flush(globals_->display);
        pollfd connection = {wl_display_get_fd(globals_->display), POLLIN, 0};
        if (poll(&connection, 1, int(left.count())) > 0) {
            wl_display_read_events(globals_->display);
        } else {
            wl_display_cancel_read(globals_->display);
        }
    }
}

void ShmPresenter::frameDone(void* data, wl_callback* callback, uint32_t) {
    auto* presenter = static_cast<ShmPresenter*>(data);
    wl_callback_destroy(callback);
    presenter->frame_ = nullptr;
    presenter->showNext();
}

}  // namespace skyfolio
