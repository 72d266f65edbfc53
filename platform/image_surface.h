#pragma once

#include "saver/surface.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>
#include <vector>

namespace skyfolio {

// The saver window's persistent image: the copy effects draw into it and
// `present` hands the changed rectangles to the window, which copies them to
// the screen.
class ImageSurface : public Surface {
public:
    using PresentFunction = std::function<void(const std::vector<QRect>& changed)>;

    ImageSurface(QSize size, PresentFunction present);

    void setBackground(QColor colour);

    void clear() override;
    void draw(const Picture& picture, int x, int y) override;
    void present() override;

    const QImage& image() const { return image_; }

private:
    QImage image_;
    QColor background_ = Qt::black;
    PresentFunction present_;
    std::vector<QRect> changed_;
};

}  // namespace skyfolio
