#pragma once

#include <QSize>

#include <memory>

struct wl_buffer;
struct wl_event_queue;
struct wl_shm;
struct wl_surface;

namespace skyfolio {

class SharedRows;

// A wl_buffer naming a picture of `size` in shared rows, row after row with
// nothing between them, and whether the compositor may read it: from the
// commit that shows it until it sends release.
class ShmBuffer {
public:
    // None where the compositor was not given the rows. Its release comes on
    // `queue`, or on Qt's where none.
    static std::unique_ptr<ShmBuffer> over(wl_shm* shm, std::shared_ptr<const SharedRows> rows, QSize size,
                                           wl_event_queue* queue = nullptr);
    ~ShmBuffer();
    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;

    // Attached to the surface, so held until released.
    void attachTo(wl_surface* surface);
    bool held() const { return held_; }
    bool names(const SharedRows& rows, QSize size) const { return rows_.get() == &rows && size_ == size; }
    const SharedRows& rows() const { return *rows_; }
    // Nobody but the buffer keeps its rows: their image is gone.
    bool orphaned() const { return rows_.use_count() == 1; }

private:
    ShmBuffer(std::shared_ptr<const SharedRows> rows, QSize size, wl_buffer* buffer);
    static void released(void* data, wl_buffer* buffer);

    std::shared_ptr<const SharedRows> rows_;
    QSize size_;
    wl_buffer* buffer_;
    bool held_ = false;
};

}  // namespace skyfolio
