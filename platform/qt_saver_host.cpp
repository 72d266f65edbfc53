#include "platform/qt_saver_host.h"

#include <QApplication>
#include <QMessageBox>

namespace skyfolio {

QtSaverHost::QtSaverHost() {
    // The saver ends through endProgram only, never because a message box
    // or the prompt was the last window to close.
    QApplication::setQuitOnLastWindowClosed(false);
}

void QtSaverHost::showMessage(const std::string& text) {
    // One message ends the run: a screen that fails after another says nothing more.
    if (message_ || ended_) return;
    message_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("Skyfolio"), QString::fromStdString(text),
                               QMessageBox::Ok);
    message_->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(message_, &QMessageBox::finished, [this] { quitUnlessAsking(); });
    // Given the keyboard as a box that waited for its answer would be.
    message_->show();
    message_->raise();
    message_->activateWindow();
}

void QtSaverHost::unloadForm() {
    if (onUnload_) onUnload_();
}

void QtSaverHost::endProgram() {
    ended_ = true;
    unloadForm();
    quitUnlessAsking();
}

// Queued, so that an end asked for before the event loop runs still ends it
// as soon as it starts; a message still waiting for its answer ends it when
// answered.
void QtSaverHost::quitUnlessAsking() {
    if (!ended_ || (message_ && message_->isVisible())) return;
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace skyfolio
