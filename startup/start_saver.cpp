#include "startup/start_saver.h"

#include "password/password_form.h"
#include "platform/clock.h"
#include "platform/gui_application.h"
#include "platform/qt_saver_host.h"
#include "platform/random.h"
#include "platform/saver_window.h"
#include "platform/timer_driver.h"
#include "platform/units.h"
#include "saver/form1.h"
#include "saver/form_window.h"
#include "startup/input_watch.h"

#include <memory>

namespace skyfolio {
namespace {

// Form1's five timers, each run by the event loop and calling its handler.
struct FormTimers {
    explicit FormTimers(Form1& form)
        : timer1(form.Timer1, [&form] { form.Timer1_Timer(); }),
          timer2(form.Timer2, [&form] { form.Timer2_Timer(); }),
          timer3(form.Timer3, [&form] { form.Timer3_Timer(); }),
          timer4(form.Timer4, [&form] { form.Timer4_Timer(); }),
          timer5(form.Timer5, [&form] { form.Timer5_Timer(); }) {}

    void halt() {
        for (TimerDriver* timer : {&timer1, &timer2, &timer3, &timer4, &timer5}) timer->halt();
    }

    TimerDriver timer1, timer2, timer3, timer4, timer5;
};

}  // namespace

int StartSaver(GuiApplication& app) {
    SaverWindow window;
    QtSaverHost host(window);
    // The one generator of the saver, seeded once.
    SeededRandom random(seedFromClock());
    Form1 form(host, random);
    FormTimers timers(form);
    host.onUnload([&timers] { timers.halt(); });

    std::unique_ptr<PasswordForm> passwordForm;
    const SystemClock clock;
    InputWatch watch(form, host, window, clock, [&] {
        // Built on the first stop only; from then on shown and hidden, so the
        // board keeps its note.
        if (!passwordForm) passwordForm = std::make_unique<PasswordForm>(form, host, window);
        passwordForm->show();
    });
    window.setInput({
        .keyDown = [&watch] { watch.Form_KeyDown(); },
        .mouseDown = [&watch] { watch.Form_MouseDown(); },
        .mouseMove =
            [&watch, &form](float x, float y) {
                const float scale = form.scaleInTwips ? kTwipsPerPixel : 1;
                watch.Form_MouseMove(x * scale, y * scale);
            },
        .pictureMouseMove = [&watch](float x, float y) { watch.FirstPicture_MouseMove(x, y); },
    });

    // Showing Form1 loads it first, which runs its whole set-up.
    form.Form_Load();
    if (host.ended()) return 0;
    window.showForm();
    MovePointerOutOfSight(form, window);
    window.placeWindow(true);
    return app.run();
}

}  // namespace skyfolio
