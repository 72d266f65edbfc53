#include "dialog/settings_role.h"

#include "dialog/form2.h"
#include "dialog/qt_dialog_host.h"
#include "platform/gui_application.h"

namespace skyfolio {

int RunSettingsDialog(GuiApplication& app) {
    QtDialogHost host;
    Form2 form(host);
    host.setOwner(&form);
    form.Form_Load();
    form.show();
    return app.run();
}

}  // namespace skyfolio
