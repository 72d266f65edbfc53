#include "platform/gui_application.h"

#include <QMessageBox>

namespace skyfolio {

void paintWithoutHardware() {
    if (!qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_HW_INTEGRATION")) qputenv("QT_WAYLAND_DISABLE_HW_INTEGRATION", "1");
}

GuiApplication::GuiApplication(const char* programName)
    : argv_{const_cast<char*>(programName), nullptr}, app_(argc_, argv_) {}

int GuiApplication::run() { return QApplication::exec(); }

void GuiApplication::showMessageAlone(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Skyfolio"), QString::fromStdString(text), QMessageBox::Ok);
    box.show();
    box.activateWindow();
    // The box is the last window: answering it ends the loop.
    run();
}

}  // namespace skyfolio
