#pragma once

#include "saver/saver_host.h"

#include <QPointer>

#include <functional>

class QMessageBox;

namespace skyfolio {

// The host of every screen's Form1 in the running program: the message box,
// and unloading, which takes all the saver's windows away and stops their
// timers. Nothing here waits: the message box is answered while the event
// loop runs, and the program ends once it is.
class QtSaverHost : public SaverHost {
public:
    QtSaverHost();
    // What unloading the form does: the windows go, their timers stop.
    void onUnload(std::function<void()> action) { onUnload_ = std::move(action); }

    void showMessage(const std::string& text) override;
    void unloadForm() override;
    void endProgram() override;

    // Set once endProgram was asked for, also before the event loop runs.
    bool ended() const { return ended_; }

private:
    void quitUnlessAsking();

    std::function<void()> onUnload_;
    QPointer<QMessageBox> message_;
    bool ended_ = false;
};

}  // namespace skyfolio
