#include "platform/desktop_lock.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
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

// What a service says at once: its reply's first value, when it answers.
bool answersTrue(QDBusConnection& bus, QDBusMessage question) {
    if (!bus.interface()->isServiceRegistered(question.service())) return false;
    const QDBusMessage reply = bus.call(question);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
    const QVariant value = reply.arguments().constFirst();
    return value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant().toBool() : value.toBool();
}

}  // namespace

DesktopLock::DesktopLock(std::function<void(bool)> changed, bool listenToFreedesktop) : changed_(std::move(changed)) {
    bool locked = false;
    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        // Any path: KDE sends it from two.
        session.connect("org.gnome.ScreenSaver", QString(), "org.gnome.ScreenSaver", "ActiveChanged", this,
                        SLOT(activeChanged(bool)));
        if (listenToFreedesktop)
            session.connect("org.freedesktop.ScreenSaver", QString(), "org.freedesktop.ScreenSaver", "ActiveChanged",
                            this, SLOT(activeChanged(bool)));
        // A lock that is up already as the watch starts.
        locked = answersTrue(session, QDBusMessage::createMethodCall("org.gnome.ScreenSaver", "/org/gnome/ScreenSaver",
                                                                     "org.gnome.ScreenSaver", "GetActive")) ||
                 (listenToFreedesktop &&
                  answersTrue(session, QDBusMessage::createMethodCall("org.freedesktop.ScreenSaver", "/ScreenSaver",
                                                                      "org.freedesktop.ScreenSaver", "GetActive")));
    }
    QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        if (const QString path = loginSession(system); !path.isEmpty()) {
            system.connect(kLogin, path, "org.freedesktop.login1.Session", "Lock", this, SLOT(sessionLocked()));
            system.connect(kLogin, path, "org.freedesktop.login1.Session", "Unlock", this, SLOT(sessionUnlocked()));
            QDBusMessage hint =
                QDBusMessage::createMethodCall(kLogin, path, "org.freedesktop.DBus.Properties", "Get");
            hint << QString("org.freedesktop.login1.Session") << QString("LockedHint");
            locked = locked || answersTrue(system, hint);
        }
    }
    if (locked) changed_(true);
}

void DesktopLock::activeChanged(bool active) { changed_(active); }

void DesktopLock::sessionLocked() { changed_(true); }

void DesktopLock::sessionUnlocked() { changed_(false); }

}  // namespace skyfolio
