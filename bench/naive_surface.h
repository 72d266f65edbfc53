#pragma once

#include "saver/surface.h"

#include <QImage>
#include <QRect>

class QPainter;

#include <functional>
#include <vector>

namespace skyfolio {

// The straightforward reading of "clear the surface, draw, refresh": every
// clear fills the whole image and every present hands over the whole screen.
// The yardstick the saver window's surface is measured against.
class NaiveSurface : public Surface {
public:
    using PresentFunction = std::function<void(const std::vector<QRect>& changed)>;

    NaiveSurface(QSize size, PresentFunction present);

    PictureSize size() const override { return {image_.width(), image_.height()}; }
    void setBackground(uint32_t colourValue) override;
    void clear() override;
    void clear(const PixelRect& rect) override;
    void copy(const Pixels& picture, const PixelRect& part, int x, int y) override;
    // Drawn like any other picture: the copy effects use none.
    void setOverlay(const Pixels& picture, int x, int y) override { copy(picture, picture.rect(), x, y); }
    void present() override;

    void paint(QPainter& painter, const QRect& rect) const;

private:
    QImage image_;
    QRgb background_;
    PresentFunction present_;
    std::vector<QRect> whole_;
};

}  // namespace skyfolio
