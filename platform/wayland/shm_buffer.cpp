#include "platform/wayland/shm_buffer.h"

#include "platform/shared_rows.h"

#include <wayland-client.h>

#include <climits>

namespace skyfolio {

std::unique_ptr<ShmBuffer> ShmBuffer::over(wl_shm* shm, std::shared_ptr<const SharedRows> rows, QSize size,
                                           wl_event_queue* queue) {
    const size_t stride = size_t(size.width()) * 4;
    if (!shm || !rows || rows->fd() < 0 || size.isEmpty() || rows->bytes() > size_t(INT32_MAX) ||
        stride * size_t(size.height()) > rows->bytes())
        return nullptr;
    wl_shm_pool* pool = wl_shm_create_pool(shm, rows->fd(), int32_t(rows->bytes()));
    wl_buffer* buffer =
        wl_shm_pool_create_buffer(pool, 0, size.width(), size.height(), int32_t(stride), WL_SHM_FORMAT_XRGB8888);
    // The buffer keeps the pool's memory mapped in the compositor.
    wl_shm_pool_destroy(pool);
    if (queue) wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(buffer), queue);
    return std::unique_ptr<ShmBuffer>(new ShmBuffer(std::move(rows), size, buffer));
}

ShmBuffer::ShmBuffer(std::shared_ptr<const SharedRows> rows, QSize size, wl_buffer* buffer)
    : rows_(std::move(rows)), size_(size), buffer_(buffer) {
    static const wl_buffer_listener listener = {&ShmBuffer::released};
    wl_buffer_add_listener(buffer_, &listener, this);
}

ShmBuffer::~ShmBuffer() { wl_buffer_destroy(buffer_); }

void ShmBuffer::attachTo(wl_surface* surface) {
    wl_surface_attach(surface, buffer_, 0, 0);
    held_ = true;
}

void ShmBuffer::released(void* data, wl_buffer*) { static_cast<ShmBuffer*>(data)->held_ = false; }

}  // namespace skyfolio
