#include "startup/host_mode.h"

#include "platform/x11/foreign_window.h"
#include "platform/gui_application.h"
#include "platform/message_picture.h"
#include "platform/program_folder_setup.h"
#include "platform/termination_signals.h"
#include "platform/window_message_host.h"
#include "startup/saver_commons.h"


#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace skyfolio {
namespace {

// The saver in one foreign window at the window's size, or the message that
// stopped it, kept to the window's size as it changes.
class HostedSaver {
public:
    explicit HostedSaver(ForeignWindow& window)
        : window_(window),
          host_([this] { if (engine_) engine_->halt(); }, [this](const std::string& text) { show(text); }) {}

    void start(const SaverSettings& settings) {
        settings_ = settings;
        engine_ = std::make_unique<ScreenEngine>(
            *settings_, commons_.seams(host_), window_.size(),
            [this](const std::vector<QRect>& changed) { window_.repaint(changed); }, nullptr,
            ImageSurface::Sharing{.awaitReader = [this] { window_.awaitPresented(); }});
        window_.show([this]() -> const ImageSurface& { return engine_->surface(); });
        engine_->load();
    }

    // Queued: a dialog dragged to a new size resizes its preview many times
    // over, and the saver starts afresh once, at the size it came to.
    void follow() {
        if (resizePending_) return;
        resizePending_ = true;
        QMetaObject::invokeMethod(
            qApp,
            [this] {
                resizePending_ = false;
                if (host_.showsMessage()) {
                    show(message_);
                } else if (engine_ && engine_->size() != window_.size()) {
                    engine_->resize(window_.size());
                }
            },
            Qt::QueuedConnection);
    }

    SaverHost& host() { return host_; }

private:
    void show(const std::string& text) {
        message_ = text;
        window_.showPicture(messagePicture(window_.size(), text));
    }

    ForeignWindow& window_;
    SaverCommons commons_;
    WindowMessageHost host_;
    std::optional<SaverSettings> settings_;
    std::unique_ptr<ScreenEngine> engine_;
    std::string message_;
    bool resizePending_ = false;
};

int refuse(const std::string& why) {
    std::fprintf(stderr, "skyfolio: %s\n", why.c_str());
    return 1;
}

}  // namespace

int RunHostMode(const HostArguments& arguments, const char* programName) {
    // First, so that a daemon's stop is heard however early it comes.
    TerminationSignals stops;
    const WindowChoice choice = chooseHostWindow(arguments, std::getenv(kDaemonWindowVariable));
    if (!choice.error.empty()) return refuse(choice.error);
    if (!xDisplayAnswers()) return refuse("no X display to draw in: DISPLAY names none that answers");
    // The window ids are X11's, whatever session the desktop runs.
    qputenv("QT_QPA_PLATFORM", "xcb");
    // A hack is no part of the desktop session: registered with its
    // manager, it would be started again at the next login.
    qunsetenv("SESSION_MANAGER");

    GuiApplication app(programName);
    stops.onStop([] { QCoreApplication::exit(0); });
    auto opened = ForeignWindow::open(choice.window);
    if (const std::string* why = std::get_if<std::string>(&opened)) return refuse(*why);
    ForeignWindow& window = *std::get<std::unique_ptr<ForeignWindow>>(opened);

    HostedSaver saver(window);
    window.setEvents({
        .resized = [&saver](PictureSize) { saver.follow(); },
        .destroyed = [] { QCoreApplication::exit(0); },
    });
    if (const std::optional<std::string> problem = prepareProgramFolder()) {
        saver.host().showMessage(*problem);
    } else {
        saver.start(readSettingsAtStart());
    }
    return app.run();
}

}  // namespace skyfolio
