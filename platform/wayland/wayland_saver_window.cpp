#include "platform/wayland/wayland_saver_window.h"

#include "platform/wayland/shm_presenter.h"

#include <QApplication>
#include <QKeyEvent>

namespace skyfolio {

WaylandSaverWindow::WaylandSaverWindow(SurfaceFunction surface, bool presents)
    : SaverWindow(std::move(surface), {}), presents_(presents) {}

// A prompt standing inside is not ours to delete: its owner shows it again
// above the next primary screen's window.
WaylandSaverWindow::~WaylandSaverWindow() {
    if (prompt_ && prompt_->parentWidget() == this) prompt_->setParent(nullptr);
}

void WaylandSaverWindow::keyPressEvent(QKeyEvent* event) {
    if (inputEnabled() || !prompt_ || !prompt_->isVisible()) return SaverWindow::keyPressEvent(event);
    // A key that went to the prompt and was left comes back through its parent.
    const QWidget* focus = QApplication::focusWidget();
    if (focus == prompt_ || prompt_->isAncestorOf(focus)) return;
    QCoreApplication::sendEvent(prompt_->focusWidget() ? prompt_->focusWidget() : prompt_.data(), event);
}

// Asked of the presenter of the moment: one made anew (another output, a
// window shown again) holds none of the rows yet.
std::optional<ImageSurface::Sharing> WaylandSaverWindow::sharing() {
    if (!presents_) return std::nullopt;
    return ImageSurface::Sharing{
        .awaitReader = [this] {
            if (presenter_) presenter_->awaitRelease();
        },
        .reader = SharedRows::Reader::Compositor,
        .stillRead = [this](const SharedRows& rows) { return presenter_ && presenter_->reads(rows); },
        .overlayApart = true,
    };
}

}  // namespace skyfolio
