#pragma once

#include "platform/saver_window.h"

#include <QPointer>

#include <memory>

namespace skyfolio {

class ShmPresenter;

// A saver window on a Wayland desktop. The compositor gives the keyboard to
// whichever of our outputs it likes, and a client cannot take it back: while
// the prompt stands, every saver window hands it the keys.
class WaylandSaverWindow : public SaverWindow {
public:
    ~WaylandSaverWindow() override;
    // Where keys go while the window's own input is not enabled.
    void passKeysTo(QWidget* prompt) { prompt_ = prompt; }
    // Where the window shows the engine through a presenter, the engine
    // draws in the rows the compositor reads.
    std::optional<ImageSurface::Sharing> sharing() override;
    // The compositor's outputs came or went.
    virtual void outputsChanged() {}

protected:
    // `presents`: whether the compositor offers what a presenter needs.
    WaylandSaverWindow(SurfaceFunction surface, bool presents);
    QWidget* prompt() const { return prompt_; }
    // Whether the engine keeps Float's picture apart from its rows, for a
    // presenter to show on a layer of its own.
    bool presents() const { return presents_; }
    void keyPressEvent(QKeyEvent* event) override;

    std::unique_ptr<ShmPresenter> presenter_;

private:
    QPointer<QWidget> prompt_;
    bool presents_;
};

}  // namespace skyfolio
