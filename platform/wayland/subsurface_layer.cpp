#include "platform/wayland/subsurface_layer.h"

#include "platform/shared_rows.h"
#include "platform/wayland/shm_buffer.h"
#include "platform/wayland/wayland_globals.h"

#include <wayland-client.h>

#include <algorithm>

namespace skyfolio {

SubsurfaceLayer::SubsurfaceLayer(std::shared_ptr<const WaylandGlobals> globals, wl_surface* parent)
    : globals_(std::move(globals)),
      surface_(wl_compositor_create_surface(globals_->compositor)),
      subsurface_(wl_subcompositor_get_subsurface(globals_->subcompositor, surface_, parent)) {
    globals_->takeNoInput(surface_);
}

SubsurfaceLayer::~SubsurfaceLayer() {
    buffers_.clear();
    wl_subsurface_destroy(subsurface_);
    wl_surface_destroy(surface_);
}

void SubsurfaceLayer::show(const std::shared_ptr<const SharedRows>& rows, QSize size, QPoint at, int scale) {
    const bool moved = at != at_ || scale != scale_;
    at_ = at;
    if (moved) wl_subsurface_set_position(subsurface_, at.x() / scale, at.y() / scale);
    // A picture's rows go as soon as the compositor lets go of them.
    std::erase_if(buffers_, [this](const std::unique_ptr<ShmBuffer>& buffer) {
        return buffer.get() != shown_ && !buffer->held();
    });
    const bool same = rows && shown_ && shown_->names(*rows, size);
    if (same && scale == scale_) return;
    scale_ = scale;
    if (!rows) {
        if (!shown_) return;
        shown_ = nullptr;
        wl_surface_attach(surface_, nullptr, 0, 0);
        wl_surface_commit(surface_);
        return;
    }
    if (!same) {
        std::unique_ptr<ShmBuffer> buffer = ShmBuffer::over(globals_->shm, rows, size);
        if (!buffer) return;
        buffers_.push_back(std::move(buffer));
        shown_ = buffers_.back().get();
    }
    shown_->attachTo(surface_);
    wl_surface_set_buffer_scale(surface_, scale);
    wl_surface_damage_buffer(surface_, 0, 0, size.width(), size.height());
    wl_surface_commit(surface_);
}

bool SubsurfaceLayer::reads(const SharedRows& rows) const {
    return std::any_of(buffers_.begin(), buffers_.end(), [&rows](const std::unique_ptr<ShmBuffer>& buffer) {
        return buffer->held() && &buffer->rows() == &rows;
    });
}

}  // namespace skyfolio
