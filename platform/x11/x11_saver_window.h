#pragma once

#include "platform/saver_window.h"

namespace skyfolio {

// The saver window on X11: it bypasses the window manager, places itself
// over its screen's area and keeps above the other windows.
class X11SaverWindow : public SaverWindow {
public:
    explicit X11SaverWindow(SurfaceFunction surface);

    void showForm(bool takeKeyboard) override;
    void placeWindow(bool topmost) override;
    void setInputEnabled(bool enabled) override;

private:
    void followArea() override;
};

}  // namespace skyfolio
