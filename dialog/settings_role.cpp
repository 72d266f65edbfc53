#include "dialog/settings_role.h"

#include "dialog/form2.h"
#include "platform/qt_dialog_host.h"

#include <QApplication>

#include <optional>

namespace skyfolio {

int RunSettingsDialog(int argc, char** argv) {
    std::optional<QApplication> application;
    if (!QApplication::instance()) application.emplace(argc, argv);
    QtDialogHost host;
    Form2 form(host);
    host.setOwner(&form);
    form.Form_Load();
    form.show();
    return QApplication::exec();
}

}  // namespace skyfolio
