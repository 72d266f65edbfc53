#pragma once

#include <QApplication>

#include <string>

namespace skyfolio {

// The toolkit's application object, for the roles with windows. Qt is shown
// the program's name only: the command line holds the screen-saver switch,
// not options for Qt.
// For a role whose windows the raster engine paints alone and that starts no
// other program, which would inherit it: Qt's Wayland platform then loads
// no EGL, which costs Mesa and LLVM, some 55 MB, nor says that it did not.
// Before the application object is made; settings of the user's own stay.
void paintWithoutHardware();

class GuiApplication {
public:
    explicit GuiApplication(const char* programName);

    // Runs the event loop until the role ends it.
    int run();

    // For a role that cannot start: shows `text` in a message box of its own
    // and runs until it is answered.
    void showMessageAlone(const std::string& text);

private:
    int argc_ = 1;
    char* argv_[2];
    QApplication app_;
};

}  // namespace skyfolio
