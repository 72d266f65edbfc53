#pragma once

#include "imaging/pixels.h"
#include "password/form_window.h"

#include <functional>
#include <memory>
#include <vector>

namespace skyfolio {

class Form1;

// Where a screen lies on the desktop.
struct ScreenArea {
    // Which screen it is: its identity, never looked into.
    const void* screen = nullptr;
    // The toolkit's logical pixels, from the desktop's origin.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    // Device pixels per logical pixel: above 1 on a high-density screen.
    double ratio = 1;
    bool primary = false;

    // The size the screen's saver works at.
    PictureSize devicePixels() const;
    bool overlaps(const ScreenArea& other) const;
};

// One screen's saver as the screens coordinator drives it: a window over
// the screen and the engine that draws in it.
class SaverScreen {
public:
    virtual ~SaverScreen() = default;

    // Form1's set-up; it may end the saver.
    virtual void load() = 0;
    // The screen moved or changed its size: covered again, and set up again
    // at a new size in device pixels.
    virtual void cover(const ScreenArea& area) = 0;
    virtual void showForm(bool takeKeyboard) = 0;
    virtual void placeWindow(bool topmost) = 0;
    virtual void setInputEnabled(bool enabled) = 0;
    // The window hidden and the timers stopped for good.
    virtual void unload() = 0;
    virtual const Form1& form() const = 0;
};

// The saver on every screen: one window and engine per screen, following
// the screens as they come, go, move and change their size while the saver
// runs; none of that ends it. To start-up, the input watch and the password
// prompt the windows are one: shown, placed and enabled together, the
// keyboard and the pointer on the primary screen. Once unloaded, nothing
// shows again.
class SaverScreens : public FormWindow {
public:
    using MakeScreen = std::function<std::unique_ptr<SaverScreen>(const ScreenArea& area)>;
    // Moves the pointer, in logical pixels of the desktop.
    using MovePointer = std::function<void(int x, int y)>;

    SaverScreens(MakeScreen make, MovePointer movePointer);

    // Brings the windows in line with the screens as they now are: a new
    // screen gets its own window and engine, shown as the others are; a
    // screen that went takes its window with it; a moved one is covered
    // again, a resized one set up again. Nothing once the saver is unloaded.
    void follow(const std::vector<ScreenArea>& screens);
    // Every window hidden, every timer stopped, no screen followed any more.
    void unload();

    void showForm() override;
    void movePointerOutOfSight() override;
    void placeWindow(bool topmost) override;
    void setInputEnabled(bool enabled) override;

private:
    struct Covered {
        ScreenArea area;
        std::unique_ptr<SaverScreen> saver;
    };

    const Covered* primary() const;
    // While the password prompt stands on the primary screen, the windows
    // beneath it are no longer kept above the others; the rest stay above,
    // so no other screen shows the desktop.
    bool keptAbove(const Covered& covered) const;
    void placeAll();

    MakeScreen make_;
    MovePointer movePointer_;
    std::vector<Covered> screens_;
    bool shown_ = false;
    bool topmost_ = true;
    bool inputEnabled_ = true;
    bool unloaded_ = false;
};

}  // namespace skyfolio
