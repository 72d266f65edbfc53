#include "platform/desktop_lock.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusInterface>

#include <unistd.h>

namespace skyfolio {
namespace {

constexpr const char* kLogin = "org.freedesktop.login1";

// This session's object at logind: the session this process runs in, or
// else the one the login named; none outside a session or without logind.
QString loginSession(QDBusConnection& bus) {
    QDBusInterface manager(kLogin, "/org/freedesktop/login1", "org.freedesktop.login1.Manager", bus);
    if (!manager.isValid()) return {};
    QDBusReply<QDBusObjectPath> session = manager.call("GetSessionByPID", uint(::getpid()));
    if (!session.isValid()) {
        const QString id = qEnvironmentVariable("XDG_SESSION_ID");
        if (id.isEmpty()) return {};
        session = manager.call("GetSession", id);
    }
    return session.isValid() ? session.value().path() : QString();
}

}  // namespace

DesktopLock::DesktopLock(std::function<void(bool)> changed, bool listenToFreedesktop) : changed_(std::move(changed)) {
    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        // Any path: KDE sends it from two.
        session.connect("org.gnome.ScreenSaver", QString(), "org.gnome.ScreenSaver", "ActiveChanged", this,
                        SLOT(activeChanged(bool)));
        if (listenToFreedesktop)
            session.connect("org.freedesktop.ScreenSaver", QString(), "org.freedesktop.ScreenSaver", "ActiveChanged",
                            this, SLOT(activeChanged(bool)));
    }
    QDBusConnection system = QDBusConnection::systemBus();
    if (!system.isConnected()) return;
    if (const QString path = loginSession(system); !path.isEmpty()) {
        system.connect(kLogin, path, "org.freedesktop.login1.Session", "Lock", this, SLOT(sessionLocked()));
        system.connect(kLogin, path, "org.freedesktop.login1.Session", "Unlock", this, SLOT(sessionUnlocked()));
    }
}

void DesktopLock::activeChanged(bool active) { changed_(active); }

void DesktopLock::sessionLocked() { changed_(true); }

void DesktopLock::sessionUnlocked() { changed_(false); }

}  // namespace skyfolio
