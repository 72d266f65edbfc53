#include "startup/start_saver.h"

#include "password/password_form.h"
#include "platform/clock.h"
#include "platform/gui_application.h"
#include "platform/qt_saver_host.h"
#include "platform/termination_signals.h"
#include "platform/window_system.h"
#include "startup/desktop_screens.h"
#include "startup/input_watch.h"
#include "startup/qt_saver_screen.h"
#include "startup/saver_commons.h"
#include "startup/saver_screens.h"

#include <QCoreApplication>

#include <memory>

namespace skyfolio {
namespace {

// The saver on every screen and what the screens share: the settings, read
// once, the pictures, the one generator, the host that ends the run, the
// one input watch and the one password prompt.
class Saver {
public:
    Saver(const SaverSettings& settings, std::unique_ptr<WindowSystem> windows)
        : settings_(settings),
          windows_(std::move(windows)),
          screens_([this](const ScreenArea& area) {
              return std::make_unique<QtSaverScreen>(area, settings_, commons_.seams(host_), watch_, *windows_);
          },
                   [this](int x, int y) { windows_->movePointer(x, y); }),
          watch_(settings_, host_, screens_, clock_, [this] { showPasswordForm(); }),
          changes_([this] { followScreens(); }) {
        host_.onUnload([this] { screens_.unload(); });
    }

    // Each screen's Form1 loaded, then the windows shown, the pointer out of
    // sight and the windows above the others.
    void start() {
        screens_.follow(desktopScreens());
        if (host_.ended()) return;
        screens_.showForm();
        screens_.movePointerOutOfSight();
        screens_.placeWindow(true);
    }

private:
    void followScreens() {
        const bool prompting = passwordForm_ && passwordForm_->isVisible();
        screens_.follow(desktopScreens());
        // Where the prompt lives inside a saver window, it moves with the primary screen's.
        if (prompting) showPasswordForm();
    }

    // Built on the first stop only; from then on shown and hidden, so the
    // board keeps its note.
    void showPasswordForm() {
        if (!passwordForm_) passwordForm_ = std::make_unique<PasswordForm>(settings_.cfgPassword, host_, screens_);
        windows_->standAboveSaver(*passwordForm_);
        passwordForm_->show();
    }

    const SaverSettings& settings_;
    const std::unique_ptr<WindowSystem> windows_;
    SaverCommons commons_;
    const SystemClock clock_;
    QtSaverHost host_;
    SaverScreens screens_;
    InputWatch watch_;
    std::unique_ptr<PasswordForm> passwordForm_;
    ScreenChanges changes_;
};

}  // namespace

int StartSaver(GuiApplication& app) {
    std::unique_ptr<WindowSystem> windows = sessionWindowSystem();
    if (!windows) {
        app.showMessageAlone(missingWindowSystemMessage());
        return 1;
    }
    // The idle watch ends its saver so when the desktop locks: at once, even
    // while a large picture decodes.
    TerminationSignals stops;
    stops.onStop([] { QCoreApplication::exit(0); });
    // Showing Form1 loads it first: the settings, read once.
    const SaverSettings settings = readSettingsAtStart();

    Saver saver(settings, std::move(windows));
    saver.start();
    // Also after a failed set-up: its message waits for an answer.
    return app.run();
}

}  // namespace skyfolio
