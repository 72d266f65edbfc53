#pragma once

#include "saver/saver_host.h"

#include <QPointer>

#include <functional>

class QMessageBox;
class QWidget;

namespace skyfolio {

// Form1's host in the running program: the message box, and the saver
// window that goes away when the form is unloaded. Nothing here waits: the
// message box is answered while the event loop runs, and the program ends
// once it is.
class QtSaverHost : public SaverHost {
public:
    explicit QtSaverHost(QWidget& window);
    // What else goes with the form when it is unloaded: its timers.
    void onUnload(std::function<void()> action) { onUnload_ = std::move(action); }

    void showMessage(const std::string& text) override;
    void unloadForm() override;
    void endProgram() override;

    // Set once endProgram was asked for, also before the event loop runs.
    bool ended() const { return ended_; }

private:
    void quitUnlessAsking();

    QWidget& window_;
    std::function<void()> onUnload_;
    QPointer<QMessageBox> message_;
    bool ended_ = false;
};

}  // namespace skyfolio
