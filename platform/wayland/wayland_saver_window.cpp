#include "platform/wayland/wayland_saver_window.h"

#include <QApplication>
#include <QKeyEvent>

namespace skyfolio {

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

}  // namespace skyfolio
