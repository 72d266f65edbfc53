#pragma once

#include <QPoint>
#include <QSize>

#include <memory>
#include <vector>

struct wl_subsurface;
struct wl_surface;

namespace skyfolio {

class SharedRows;
class ShmBuffer;
struct WaylandGlobals;

// A picture standing above a surface on a subsurface of its own, which
// takes no input: the surface below keeps it. A new picture and a new place
// show with the surface's next commit, so the two change together; moving
// costs no pixels at all.
class SubsurfaceLayer {
public:
    SubsurfaceLayer(std::shared_ptr<const WaylandGlobals> globals, wl_surface* parent);
    ~SubsurfaceLayer();
    SubsurfaceLayer(const SubsurfaceLayer&) = delete;
    SubsurfaceLayer& operator=(const SubsurfaceLayer&) = delete;

    // `rows` holding a picture of `size` device pixels, at `scale` of them
    // to the surface's one, its corner at `at` on the surface; nothing
    // where `rows` is none. Rows once shown are read until the compositor
    // lets go of them (reads()): what they hold then is for new rows.
    void show(const std::shared_ptr<const SharedRows>& rows, QSize size, QPoint at, int scale);
    bool reads(const SharedRows& rows) const;

private:
    std::shared_ptr<const WaylandGlobals> globals_;
    wl_surface* surface_;
    wl_subsurface* subsurface_;
    std::vector<std::unique_ptr<ShmBuffer>> buffers_;
    ShmBuffer* shown_ = nullptr;
    QPoint at_;
    int scale_ = 1;
};

}  // namespace skyfolio
