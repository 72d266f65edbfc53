#pragma once

#include "platform/pointer_position.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace skyfolio {

class ImageSurface;
class X11ShmPresenter;

// Where the window's input goes.
struct SaverInput {
    std::function<void()> keyDown;
    std::function<void()> mouseDown;
    std::function<void(const PointerPosition& at)> mouseMove;
};

// One screen's saver window: frameless, above the others, no pointer shown
// over it. It shows a screen engine's image one to one in device pixels, on
// a high-density screen too, and hands every key, button and pointer
// movement on. On X11 the image goes to the server straight from the
// engine's rows (X11ShmPresenter), with no backing store of the toolkit's.
class SaverWindow : public QWidget {
public:
    // The engine's image as it now is.
    using SurfaceFunction = std::function<const ImageSurface&()>;

    explicit SaverWindow(SurfaceFunction surface);
    ~SaverWindow() override;

    void setInput(SaverInput input);
    // The screen's area on the desktop, in the toolkit's logical pixels.
    void cover(const QRect& area);
    // The rectangles of device pixels that changed, to be painted anew.
    void repaintChanged(const std::vector<QRect>& changed);
    // Whether the server reads the image's shared rows (ImageSurface::Sharing)
    // and, if so, returns once it has read the last present.
    bool readsSharedRows() const { return presenter_ != nullptr; }
    void awaitPresented();

    // Shown over its screen and raised; given the keyboard, or not.
    void showForm(bool takeKeyboard);
    // Shown over its screen without taking the keyboard; kept above other
    // windows or not.
    void placeWindow(bool topmost);
    void setInputEnabled(bool enabled);

protected:
    QPaintEngine* paintEngine() const override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    SurfaceFunction surface_;
    std::unique_ptr<X11ShmPresenter> presenter_;
    // What an exposure asks for, kept for the next.
    std::vector<QRect> exposed_;
    SaverInput input_;
    QRect area_;
};

}  // namespace skyfolio
