#pragma once

#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QPainter;

namespace skyfolio {

// A window on an X server that shows a surface the way the saver window
// does: each present repaints the rectangles handed over, and waits until
// the server has taken the pixels.
class ScreenWindow : public QWidget {
public:
    using PaintFunction = std::function<void(QPainter& painter, const QRect& rect)>;

    ScreenWindow(QSize size, PaintFunction paint);

    // Shows the window and waits until it can be painted.
    void showAndWait();
    void present(const std::vector<QRect>& rects);
    // The rectangles the window repainted so far, once Qt has made a region
    // of what it was handed.
    int64_t repaintedRects() const { return repaintedRects_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaintFunction paint_;
    int64_t repaintedRects_ = 0;
};

}  // namespace skyfolio
