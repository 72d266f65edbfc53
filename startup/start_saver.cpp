#include "startup/start_saver.h"

#include "password/password_form.h"
#include "platform/clock.h"
#include "platform/file_picture_source.h"
#include "platform/gui_application.h"
#include "platform/qt_saver_host.h"
#include "platform/random.h"
#include "platform/termination_signals.h"
#include "saver/random.h"
#include "settings/conversions.h"
#include "settings/settings_file.h"
#include "startup/desktop_screens.h"
#include "startup/input_watch.h"
#include "startup/qt_saver_screen.h"
#include "startup/saver_screens.h"

#include <QCoreApplication>
#include <QCursor>

#include <memory>

namespace skyfolio {
namespace {

// The saver on every screen and what the screens share: the settings, read
// once, the pictures, the one generator, the host that ends the run, the
// one input watch and the one password prompt.
class Saver {
public:
    explicit Saver(const SaverSettings& settings)
        : settings_(settings),
          pictures_([](int number) { return cacheFilePath(DecimalText(number)); }),
          // The one generator of the saver, seeded once, drawn from by every screen.
          random_(seedFromClock()),
          screens_([this](const ScreenArea& area) {
              return std::make_unique<QtSaverScreen>(area, settings_, SharedSeams{pictures_, host_, random_, steadyClock_},
                                                     watch_);
          },
                   [](int x, int y) { QCursor::setPos(x, y); }),
          watch_(settings_, host_, screens_, clock_, [this] { showPasswordForm(); }),
          changes_([this] { screens_.follow(desktopScreens()); }) {
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
    // Built on the first stop only; from then on shown and hidden, so the
    // board keeps its note.
    void showPasswordForm() {
        if (!passwordForm_) passwordForm_ = std::make_unique<PasswordForm>(settings_.cfgPassword, host_, screens_);
        passwordForm_->show();
    }

    const SaverSettings& settings_;
    FilePictureSource pictures_;
    SeededRandom random_;
    const SteadyClock steadyClock_;
    const SystemClock clock_;
    QtSaverHost host_;
    SaverScreens screens_;
    InputWatch watch_;
    std::unique_ptr<PasswordForm> passwordForm_;
    ScreenChanges changes_;
};

}  // namespace

int StartSaver(GuiApplication& app) {
    // The idle watch ends its saver so when the desktop locks: at once, even
    // while a large picture decodes.
    TerminationSignals stops;
    stops.onStop([] { QCoreApplication::exit(0); });
    // Showing Form1 loads it first: the settings, read once; the first-run
    // entries are the one thing a start may write, and a read-only folder
    // only loses the sample names.
    SettingsFile file;
    file.writeFirstRunEntries();
    const SaverSettings settings = readSaverSettings(file);

    Saver saver(settings);
    saver.start();
    // Also after a failed set-up: its message waits for an answer.
    return app.run();
}

}  // namespace skyfolio
