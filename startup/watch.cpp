#include "startup/watch.h"

#include "platform/desktop_lock.h"
#include "platform/idle_source.h"
#include "platform/kde_inhibitions.h"
#include "platform/mutter_idle_source.h"
#include "platform/saver_daemons.h"
#include "platform/saver_process.h"
#include "platform/screensaver_service.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"
#if SKYFOLIO_WITH_WAYLAND
#include "platform/wayland_idle_source.h"
#endif
#if SKYFOLIO_WITH_X11
#include "platform/xsync_idle_source.h"
#endif
#include "settings/idle_minutes.h"
#include "settings/settings_file.h"
#include "startup/watch_rules.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace skyfolio {
namespace {

using IdleSourceOpened = std::variant<std::unique_ptr<IdleSource>, std::string>;

template <typename Source>
IdleSourceOpened opened(std::variant<std::unique_ptr<Source>, std::string> source) {
    if (auto* found = std::get_if<std::unique_ptr<Source>>(&source)) return std::unique_ptr<IdleSource>(std::move(*found));
    return std::get<std::string>(std::move(source));
}

// The first source the session offers, in the order the desktops prefer;
// or every reason why none answered.
std::variant<std::unique_ptr<IdleSource>, std::string> firstIdleSource(const IdleSource::Events& events) {
    using Opener = IdleSourceOpened (*)(const IdleSource::Events&);
    const Opener openers[] = {
        [](const IdleSource::Events& e) { return opened(MutterIdleSource::open(e)); },
#if SKYFOLIO_WITH_WAYLAND
        [](const IdleSource::Events& e) { return opened(WaylandIdleSource::open(e)); },
#endif
#if SKYFOLIO_WITH_X11
        [](const IdleSource::Events& e) { return opened(XSyncIdleSource::open(e)); },
#endif
    };
    std::string tried;
    for (const Opener open : openers) {
        IdleSourceOpened source = open(events);
        if (auto* found = std::get_if<std::unique_ptr<IdleSource>>(&source)) return std::move(*found);
        tried += "\n  " + std::get<std::string>(source);
    }
    return "skyfolio: no way to learn that you are idle in this session:" + tried;
}

std::chrono::milliseconds idleTime(const WatchArguments& arguments) {
    if (arguments.idleTime) return *arguments.idleTime;
    // Read at every count, so that a new setting holds from the next idle period.
    return std::chrono::minutes(idleMinutesValue(SettingsFile().read(keys::idleMinutes)));
}

void say(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

}  // namespace

int RunWatch(const WatchArguments& arguments, const char* programName) {
    // First, so that a stop is heard however early it comes.
    TerminationSignals stops;
    const SingleInstance claim(watchLockPath());
    if (!claim.isFirst()) {
        say("skyfolio: the idle watch runs already in this session");
        return 0;
    }
    claim.recordHolder();
    // The savers it starts are no part of the desktop session: registered
    // with its manager, one would be started again at the next login.
    qunsetenv("SESSION_MANAGER");
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    QCoreApplication app(argc, argv);

    if (const std::optional<std::string> daemon = runningSaverDaemon()) {
        say("skyfolio: " + *daemon + " runs in this session and starts the screen saver; the idle watch ends");
        return 0;
    }

    std::unique_ptr<WatchRules> rules;
    std::unique_ptr<IdleSource> source;
    SaverProcess saver([&] { rules->saverEnded(); });
    rules = std::make_unique<WatchRules>(WatchRules::Actions{
        .startSaver = [&] { saver.start(); },
        .endSaver = [&] { saver.end(); },
        .countAfresh = [&] { source->arm(idleTime(arguments)); },
    });
    auto found = firstIdleSource({
        .idle = [&] { rules->userIdle(); },
        .lost = [] {
            say("skyfolio: the desktop session went away; the idle watch ends");
            QCoreApplication::exit(1);
        },
    });
    if (auto* why = std::get_if<std::string>(&found)) {
        say(*why);
        return 1;
    }
    source = std::move(std::get<std::unique_ptr<IdleSource>>(found));

    const std::unique_ptr<ScreenSaverService> service =
        ScreenSaverService::claimIfFree([&](bool inhibited) { rules->inhibitionChanged(inhibited); });
    const std::unique_ptr<KdeInhibitions> kdeInhibitions =
        KdeInhibitions::listen([&](bool inhibited) { rules->inhibitionChanged(inhibited); });
    const DesktopLock lock([&](bool locked) { rules->lockChanged(locked); }, !service);
    stops.onStop([] { QCoreApplication::exit(0); });

    source->arm(idleTime(arguments));
    say(std::string("skyfolio: the idle watch listens to ") + source->name());
    return app.exec();
}

}  // namespace skyfolio
