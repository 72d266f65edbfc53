#pragma once

#include "platform/saver_window.h"
#include "platform/window_system.h"
#include "platform/screen_engine.h"
#include "startup/held_input.h"
#include "startup/saver_screens.h"

#include <memory>

namespace skyfolio {

class InputWatch;

// One screen's saver in the running program: its window, the engine that
// draws in it at the screen's size in device pixels, and the window's input
// on its way to the one input watch of all screens.
class QtSaverScreen : public SaverScreen {
public:
    QtSaverScreen(const ScreenArea& area, const SaverSettings& settings, SharedSeams seams, InputWatch& watch,
                  WindowSystem& windows);

    void load() override;
    void cover(const ScreenArea& area) override;
    void showForm(bool takeKeyboard) override;
    void placeWindow(bool topmost) override;
    void setInputEnabled(bool enabled) override;
    void unload() override;
    const Form1& form() const override;

private:
    std::unique_ptr<SaverWindow> window_;
    ScreenEngine engine_;
    HeldInput input_;
};

}  // namespace skyfolio
