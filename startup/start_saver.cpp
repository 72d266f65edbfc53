#include "startup/start_saver.h"

#include "password/password_form.h"
#include "platform/clock.h"
#include "platform/file_picture_source.h"
#include "platform/gui_application.h"
#include "platform/qt_saver_host.h"
#include "platform/random.h"
#include "platform/saver_window.h"
#include "platform/timer_driver.h"
#include "saver/form1.h"
#include "saver/form_window.h"
#include "saver/random.h"
#include "settings/conversions.h"
#include "settings/settings_file.h"
#include "startup/input_watch.h"
#include "startup/held_input.h"

#include <memory>

namespace skyfolio {
namespace {

// Form1's timers, each run by the event loop and calling its handler; input
// that waited for a transition is handed on after every tick.
class FormTimers {
public:
    FormTimers(Form1& form, HeldInput& input)
        : input_(input),
          timers_{TimerDriver(form.Timer1, tick([&form] { form.Timer1_Timer(); })),
                  TimerDriver(form.Timer2, tick([&form] { form.Timer2_Timer(); })),
                  TimerDriver(form.Timer3, tick([&form] { form.Timer3_Timer(); })),
                  TimerDriver(form.Timer4, tick([&form] { form.Timer4_Timer(); })),
                  TimerDriver(form.Timer5, tick([&form] { form.Timer5_Timer(); })),
                  TimerDriver(form.ChangeTimer, tick([&form] { form.ChangeTimer_Timer(); }))} {}

    void halt() {
        for (TimerDriver& timer : timers_) timer.halt();
    }

private:
    template <typename Handler>
    std::function<void()> tick(Handler handler) {
        return [this, handler] {
            handler();
            input_.release();
        };
    }

    HeldInput& input_;
    TimerDriver timers_[6];
};

}  // namespace

int StartSaver(GuiApplication& app) {
    // Showing Form1 loads it first: the settings, read once; the first-run
    // entries are the one thing a start may write, and a read-only folder
    // only loses the sample names.
    SettingsFile file;
    file.writeFirstRunEntries();
    const SaverSettings settings = readSaverSettings(file);

    SaverWindow window;
    QtSaverHost host(window);
    FilePictureSource pictures([](int number) { return cacheFilePath(DecimalText(number)); });
    // The one generator of the saver, seeded once.
    SeededRandom random(seedFromClock());
    const SteadyClock steadyClock;
    Form1 form(settings, {window.surface(), pictures, host, random, steadyClock});

    std::unique_ptr<PasswordForm> passwordForm;
    const SystemClock clock;
    InputWatch watch(settings, host, window, clock, [&] {
        // Built on the first stop only; from then on shown and hidden, so the
        // board keeps its note.
        if (!passwordForm) passwordForm = std::make_unique<PasswordForm>(settings.cfgPassword, form, host, window);
        passwordForm->show();
    });
    HeldInput input(form, watch);
    window.setInput({
        .keyDown = [&input] { input.keyDown(); },
        .mouseDown = [&input] { input.mouseDown(); },
        .mouseMove = [&input](float x, float y) { input.mouseMove(x, y); },
    });
    FormTimers timers(form, input);
    host.onUnload([&timers] { timers.halt(); });

    form.Form_Load();
    if (!host.ended()) {
        window.showForm();
        MovePointerOutOfSight(form, window);
        window.placeWindow(true);
    }
    // Also after a failed set-up: its message waits for an answer.
    return app.run();
}

}  // namespace skyfolio
