#include "startup/main_procedure.h"

#include "dialog/settings_role.h"
#include "platform/gui_application.h"
#include "platform/single_instance.h"
#include "startup/command_line.h"
#include "startup/show_preview.h"
#include "startup/start_saver.h"

namespace skyfolio {

int Main(std::string_view argumentText, const char* programName) {
    // Held until the role ends; a second instance leaves without a word,
    // whatever its switch.
    const SingleInstance instance(singleInstanceLockPath());
    if (!instance.isFirst()) return 0;

    switch (roleOf(argumentText)) {
        case Role::Settings: {
            GuiApplication app(programName);
            return RunSettingsDialog(app);
        }
        case Role::Saver: {
            GuiApplication app(programName);
            return StartSaver(app);
        }
        case Role::Preview:
            return ShowPreview(argumentText);
        case Role::None:
            break;
    }
    return 0;
}

}  // namespace skyfolio
