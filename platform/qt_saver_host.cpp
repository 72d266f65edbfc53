#include "platform/qt_saver_host.h"

#include "platform/event_wait.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace skyfolio {

QtSaverHost::QtSaverHost(SaverWindow& window) : window_(window) {
    // The saver ends through endProgram only, never because a message box
    // or the prompt was the last window to close.
    QApplication::setQuitOnLastWindowClosed(false);
}

PictureSize QtSaverHost::screenPixels() const {
    const QRect screen = window_.screenRect();
    return {screen.width(), screen.height()};
}

Surface& QtSaverHost::surface() { return window_.surface(); }

void QtSaverHost::setBackColor(uint32_t bgr) {
    // The high byte would name a system colour; the low three are blue, green, red.
    const QColor colour(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    window_.surface().setBackground(colour);
    window_.firstPicture().widget().setBackground(colour);
    window_.update();
}

bool QtSaverHost::pauseHandlingEvents(std::chrono::milliseconds duration) {
    waitHandlingEvents(duration);
    return !unloaded_;
}

void QtSaverHost::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Skyfolio"), QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

void QtSaverHost::unloadForm() {
    unloaded_ = true;
    if (onUnload_) onUnload_();
    window_.hide();
}

void QtSaverHost::endProgram() {
    ended_ = true;
    unloadForm();
    // Asked before the event loop runs, exit would make every later loop,
    // a message box's included, return at once; the start-up sees ended().
    if (QThread::currentThread()->loopLevel() > 0) QApplication::exit(0);
}

}  // namespace skyfolio
