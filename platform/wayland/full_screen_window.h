#pragma once

#include "platform/saver_window.h"

#include <QPointer>

namespace skyfolio {

// The saver window on a Wayland desktop without layer shell: a full-screen
// window on its own output. A client cannot place or stack its windows
// there; the compositor keeps a full-screen window above the others on its
// output, and the keyboard goes to the one activated.
class FullScreenWindow : public SaverWindow {
public:
    explicit FullScreenWindow(PaintFunction paint);
    ~FullScreenWindow() override;

    void showForm(bool takeKeyboard) override;
    void placeWindow(bool topmost) override;
    // Where keys go while the window's own input is not enabled.
    void passKeysTo(QWidget* prompt) { prompt_ = prompt; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followArea() override;
    void showOnScreen();

    QScreen* shownOn_ = nullptr;
    QPointer<QWidget> prompt_;
};

}  // namespace skyfolio
