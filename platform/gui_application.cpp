#include "platform/gui_application.h"

#include <QLoggingCategory>
#include <QMessageBox>

namespace skyfolio {

// No client buffer integration by that name: Qt falls back to its shared
// memory, and warns, in a category whose rules from the environment win.
void paintWithoutHardware() {
    if (qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION")) return;
    qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.wayland.warning=false"));
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
