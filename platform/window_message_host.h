#pragma once

#include "saver/saver_host.h"

#include <functional>
#include <string>

namespace skyfolio {

// The host of Form1 drawn in a daemon's window. A locked screen has nobody to
// answer a message box, so a message is written to standard error and shown
// in the window instead, and the run does not end on it: the daemon ends the
// process when it stops the saver.
class WindowMessageHost : public SaverHost {
public:
    // `unload` stops the saver; `show` puts a message in the window.
    WindowMessageHost(std::function<void()> unload, std::function<void(const std::string& text)> show);

    void showMessage(const std::string& text) override;
    void unloadForm() override;
    void endProgram() override {}

    bool showsMessage() const { return shown_; }

private:
    std::function<void()> unload_;
    std::function<void(const std::string&)> show_;
    bool shown_ = false;
};

}  // namespace skyfolio
