#include "dialog/settings_role.h"

#include "platform/gui_application.h"

#include <QWidget>

namespace skyfolio {

// Until the dialog is built: an empty window whose closing ends the program.
int RunSettingsDialog(GuiApplication& app) {
    QWidget form;
    form.setWindowTitle(QStringLiteral(" Skyfolio "));
    form.resize(480, 360);
    form.show();
    return app.run();
}

}  // namespace skyfolio
