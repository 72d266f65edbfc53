#pragma once

#include "platform/saver_window.h"

#include <QPointer>

namespace skyfolio {

// A saver window on a Wayland desktop. The compositor gives the keyboard to
// whichever of our outputs it likes, and a client cannot take it back: while
// the prompt stands, every saver window hands it the keys.
class WaylandSaverWindow : public SaverWindow {
public:
    ~WaylandSaverWindow() override;
    // Where keys go while the window's own input is not enabled.
    void passKeysTo(QWidget* prompt) { prompt_ = prompt; }

protected:
    using SaverWindow::SaverWindow;
    QWidget* prompt() const { return prompt_; }
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QWidget> prompt_;
};

}  // namespace skyfolio
