#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace skyfolio {

// A window on an X server that shows an image the way the saver window does:
// each present repaints the rectangles handed over, and waits until the
// server has taken the pixels.
class ScreenWindow : public QWidget {
public:
    explicit ScreenWindow(QSize size);

    // Shows the window and waits until it can be painted.
    void showAndWait();
    void present(const QImage& image, const std::vector<QRect>& rects);
    // The rectangles the window repainted so far, once Qt has made a region
    // of what it was handed.
    int64_t repaintedRects() const { return repaintedRects_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* image_ = nullptr;
    int64_t repaintedRects_ = 0;
};

}  // namespace skyfolio
