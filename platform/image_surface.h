#pragma once

#include "platform/dirty_rectangles.h"
#include "saver/surface.h"

#include <QImage>
#include <QRect>

class QPainter;

#include <functional>
#include <vector>

namespace skyfolio {

// The saver window's persistent image: the saver draws into it and `present`
// hands the changed rectangles to the window, which paints them on the
// screen. The overlay lies above the image and is painted straight from its
// picture, so that moving it costs one copy of its pixels, to the screen.
//
// Only what was drawn is ever not background, so a clear repaints just the
// rectangles drawn since the last one, and a present hands over a few
// rectangles around what changed instead of the whole screen. What the
// screen shows is the same as clearing and showing everything. Nothing here
// allocates once constructed.
class ImageSurface : public Surface {
public:
    using PresentFunction = std::function<void(const std::vector<QRect>& changed)>;

    ImageSurface(QSize size, PresentFunction present);

    PictureSize size() const override { return {image_.width(), image_.height()}; }
    // Fills the whole image; it is all presented next time.
    void setBackground(uint32_t colourValue) override;
    void clear() override;
    void clear(const PixelRect& rect) override;
    void copy(const Pixels& picture, const PixelRect& part, int x, int y) override;
    void setOverlay(const Pixels& picture, int x, int y) override;
    void present() override;
    // The rows are written where they lie in the image.
    void fillRows(const PixelRect& rect, const RowFill& fill) override;

    // Paints what the surface shows within `rect`, the overlay above the image.
    void paint(QPainter& painter, const QRect& rect) const;
    // Copies what the surface shows within `rect`, which lies within it, to
    // rows of `stride` pixels from `to`: a straight copy of rows, for a
    // window that takes the image's pixels as they are.
    void copyShown(const QRect& rect, uint32_t* to, int stride) const;
    // What the surface shows, as one picture.
    QImage shown() const;

private:
    void fill(const QRect& rect);
    QRgb* pixelRow(int row) const { return rows_ + row * stride_; }

    QImage image_;
    QRgb* rows_ = nullptr;
    qsizetype stride_ = 0;
    Pixels overlay_;
    QRect overlayAt_;
    QRgb background_;
    PresentFunction present_;
    // Where pixels may differ from the background.
    DirtyRectangles drawn_;
    // What changed since the last present.
    DirtyRectangles changed_;
};

}  // namespace skyfolio
