#pragma once

#include "platform/image_surface.h"
#include "platform/pointer_position.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QScreen;

namespace skyfolio {

// Where the window's input goes.
struct SaverInput {
    std::function<void()> keyDown;
    std::function<void()> mouseDown;
    std::function<void(const PointerPosition& at)> mouseMove;
};

// One screen's saver window: frameless, no pointer shown over it. It shows a
// screen engine's image one to one in device pixels, on a high-density
// screen too, and hands every key, button and pointer movement on. How it
// comes to cover its screen and stay above the other windows is the window
// system's: X11 and Wayland each have their own.
class SaverWindow : public QWidget {
public:
    // The engine's image as it now is.
    using SurfaceFunction = std::function<const ImageSurface&()>;

    void setInput(SaverInput input);
    // The screen to cover and its area on the desktop, in the toolkit's
    // logical pixels.
    void cover(QScreen* screen, const QRect& area);
    // The rectangles of device pixels that changed, to be painted anew.
    virtual void repaintChanged(const std::vector<QRect>& changed);
    // A window whose input is not enabled hands nothing on.
    virtual void setInputEnabled(bool enabled);

    // Shown over its screen and raised; given the keyboard, or not.
    virtual void showForm(bool takeKeyboard) = 0;
    // Shown over its screen without taking the keyboard; kept above other
    // windows or not.
    virtual void placeWindow(bool topmost) = 0;

    QScreen* coveredScreen() const { return screen_; }
    // How the engine's image keeps its rows for a window that shows them
    // straight from memory it shares with the display server; none for one
    // that paints them.
    virtual std::optional<ImageSurface::Sharing> sharing() { return std::nullopt; }

protected:
    SaverWindow(SurfaceFunction surface, Qt::WindowFlags flags);
    const SurfaceFunction& surface() const { return surface_; }
    const QRect& area() const { return area_; }
    bool inputEnabled() const { return inputEnabled_; }
    // The screen or its area changed.
    virtual void followArea() = 0;
    // The device pixels a rectangle of logical pixels touches.
    static QRect devicePixelsOf(const QRect& logical, qreal ratio);

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    SurfaceFunction surface_;
    SaverInput input_;
    QScreen* screen_ = nullptr;
    QRect area_;
    bool inputEnabled_ = true;
};

}  // namespace skyfolio
