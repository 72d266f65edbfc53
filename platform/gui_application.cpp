#include "platform/gui_application.h"

namespace skyfolio {

GuiApplication::GuiApplication(const char* programName)
    : argv_{const_cast<char*>(programName), nullptr}, app_(argc_, argv_) {}

int GuiApplication::run() { return QApplication::exec(); }

}  // namespace skyfolio
