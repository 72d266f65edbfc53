#pragma once

#include "platform/saver_window.h"

#include <memory>
#include <vector>

namespace skyfolio {

class X11ShmPresenter;

// The saver window on X11: it bypasses the window manager, places itself
// over its screen's area and keeps above the other windows. It paints on
// the screen through an X11ShmPresenter, straight from the engine's rows,
// with no backing store of the toolkit's; where the window's pixel format
// is not the image's, the toolkit paints it.
class X11SaverWindow : public SaverWindow {
public:
    explicit X11SaverWindow(SurfaceFunction surface);
    ~X11SaverWindow() override;

    void showForm(bool takeKeyboard) override;
    void placeWindow(bool topmost) override;
    void setInputEnabled(bool enabled) override;
    void repaintChanged(const std::vector<QRect>& changed) override;
    std::optional<ImageSurface::Sharing> sharing() override;

protected:
    QPaintEngine* paintEngine() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void followArea() override;

    std::unique_ptr<X11ShmPresenter> presenter_;
    // What an exposure asks for, kept for the next.
    std::vector<QRect> exposed_;
};

}  // namespace skyfolio
