#include "saver/pan_zoom.h"

#include "saver/random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skyfolio {

PictureSize slideCanvas(PictureSize screen, bool panZoom) {
    if (!panZoom) return screen;
    return {int(std::lround(screen.width * (1 + kMostZoom))), int(std::lround(screen.height * (1 + kMostZoom)))};
}

PanZoomPath PanZoomPath::still(PictureSize canvas) {
    PanZoomPath path;
    path.from_ = path.to_ = {0, 0, double(canvas.width)};
    return path;
}

PanZoomPath PanZoomPath::chosen(PictureSize canvas, PictureSize screen, bool keepTop, RandomSource& random) {
    PanZoomPath path = still(canvas);
    const double width = std::min<double>(screen.width, canvas.width);
    const double height = width * screen.height / std::max(1, screen.width);
    const double roomX = (canvas.width - width) / 2, roomY = (canvas.height - height) / 2;
    const double angle = 2 * std::numbers::pi * random.uniform();
    const Framing close{roomX + roomX * std::cos(angle), keepTop ? 0.0 : roomY + roomY * std::sin(angle), width};
    if (random.uniform() < 0.5)
        path.to_ = close;
    else
        path.from_ = close;
    return path;
}

Framing PanZoomPath::at(double progress) const {
    const double t = std::clamp(progress, 0.0, 1.0);
    const auto mix = [t](double a, double b) { return a + (b - a) * t; };
    return {mix(from_.x, to_.x), mix(from_.y, to_.y), mix(from_.width, to_.width)};
}

}  // namespace skyfolio
