#pragma once

#include "platform/image_surface.h"
#include "saver/form_window.h"

#include <QWidget>

#include <functional>

namespace skyfolio {

// Where the window's input goes. Pointer positions are pixels of the window.
struct SaverInput {
    std::function<void()> keyDown;
    std::function<void()> mouseDown;
    std::function<void(float x, float y)> mouseMove;
};

// The saver's full-screen window: frameless, above the others, no pointer
// shown over it. It shows its persistent image and hands every key, button
// and pointer movement on.
class SaverWindow : public QWidget, public FormWindow {
public:
    SaverWindow();

    ImageSurface& surface() { return surface_; }
    // The primary screen, which the window covers, in pixels.
    QRect screenRect() const;

    void setInput(SaverInput input);

    void showForm() override;
    void setCursorPos(int x, int y) override;
    void placeWindow(bool topmost) override;
    void setInputEnabled(bool enabled) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ImageSurface surface_;
    SaverInput input_;
};

}  // namespace skyfolio
