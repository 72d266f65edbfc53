#pragma once

#include "platform/pointer_position.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace skyfolio {

// Where the window's input goes.
struct SaverInput {
    std::function<void()> keyDown;
    std::function<void()> mouseDown;
    std::function<void(const PointerPosition& at)> mouseMove;
};

// One screen's saver window: frameless, above the others, no pointer shown
// over it. It shows a screen engine's image one to one in device pixels, on
// a high-density screen too, and hands every key, button and pointer
// movement on.
class SaverWindow : public QWidget {
public:
    // Paints what the engine shows within a rectangle of device pixels.
    using PaintFunction = std::function<void(QPainter& painter, const QRect& rect)>;

    explicit SaverWindow(PaintFunction paint);

    void setInput(SaverInput input);
    // The screen's area on the desktop, in the toolkit's logical pixels.
    void cover(const QRect& area);
    // The rectangles of device pixels that changed, to be painted anew.
    void repaintChanged(const std::vector<QRect>& changed);

    // Shown over its screen and raised; given the keyboard, or not.
    void showForm(bool takeKeyboard);
    // Shown over its screen without taking the keyboard; kept above other
    // windows or not.
    void placeWindow(bool topmost);
    void setInputEnabled(bool enabled);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PaintFunction paint_;
    SaverInput input_;
    QRect area_;
};

}  // namespace skyfolio
