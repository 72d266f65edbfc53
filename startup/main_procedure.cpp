#include "startup/main_procedure.h"

#include "dialog/settings_role.h"
#include "platform/gui_application.h"
#include "platform/program_folder_setup.h"
#include "platform/single_instance.h"
#include "platform/window_system.h"
#include "startup/add_to_xscreensaver.h"
#include "startup/command_line.h"
#include "startup/host_arguments.h"
#if SKYFOLIO_WITH_X11
#include "startup/host_mode.h"
#include "startup/show_preview.h"
#endif
#include "startup/start_saver.h"
#include "startup/watch_hand_over.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyfolio {
namespace {

// The roles that read the program folder; an installed copy makes the
// user's own on first use.
int runInProgramFolder(const char* programName, int (*role)(GuiApplication&)) {
    GuiApplication app(programName);
    if (const std::optional<std::string> problem = prepareProgramFolder()) {
        app.showMessageAlone(*problem);
        return 1;
    }
    return role(app);
}

#if !SKYFOLIO_WITH_X11
int withoutX11(const char* what) {
    std::fprintf(stderr, "skyfolio: %s needs X11, and this Skyfolio was built without it\n", what);
    return 1;
}
// Both name their windows by X11's ids.
int RunHostMode(const HostArguments&, const char*) { return withoutX11("host mode"); }
int ShowPreview(std::string_view) { return withoutX11("the preview"); }
#endif

}  // namespace

int Main(int argc, const char* const* argv, const char* programName) {
    const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
    // One process per monitor, plus a preview, at once: no instance to count.
    if (const std::optional<HostArguments> host = hostArguments(arguments)) return RunHostMode(*host, programName);

    // Resident beside the saver it starts, with a claim of its own.
    if (!arguments.empty() && arguments.front() == kWatchSwitch) return HandOverToWatch(argv);

    const std::string argumentText = skyfolio::argumentText(argc, argv);
    const Role role = roleOf(argumentText);
    // It opens no window and edits a file atomically: no instance to count.
    if (role == Role::AddToXscreensaver) return AddToXscreensaver();

    // Held until the role ends; a second instance leaves without a word,
    // whatever its switch.
    const SingleInstance instance(singleInstanceLockPath());
    if (!instance.isFirst()) return 0;

    switch (role) {
        case Role::Settings:
            return runInProgramFolder(programName, RunSettingsDialog);
        case Role::Saver:
            paintWithoutHardware();
            preferBuiltWindowSystem();
            return runInProgramFolder(programName, StartSaver);
        case Role::Preview:
            return ShowPreview(argumentText);
        case Role::AddToXscreensaver:
        case Role::None:
            break;
    }
    return 0;
}

}  // namespace skyfolio
