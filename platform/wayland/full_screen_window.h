#pragma once

#include "platform/saver_window.h"

#include <QPointer>

#include <memory>

namespace skyfolio {

class ShmPresenter;

// The saver window on a Wayland desktop: a full-screen window on its own
// output. A client cannot place or stack its windows there; the compositor
// keeps a full-screen window above the others on its output, and the
// keyboard goes to the one activated. Once shown, the engine's changes go
// to the compositor through a presenter of our own, where it offers one.
class FullScreenWindow : public SaverWindow {
public:
    explicit FullScreenWindow(SurfaceFunction surface);
    ~FullScreenWindow() override;

    void showForm(bool takeKeyboard) override;
    void placeWindow(bool topmost) override;
    void repaintChanged(const std::vector<QRect>& changed) override;
    // Where keys go while the window's own input is not enabled.
    void passKeysTo(QWidget* prompt) { prompt_ = prompt; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followArea() override;
    void showOnScreen();

    QScreen* shownOn_ = nullptr;
    QPointer<QWidget> prompt_;
    std::unique_ptr<ShmPresenter> presenter_;
    bool presenterTried_ = false;
};

}  // namespace skyfolio
