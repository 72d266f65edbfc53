#include "platform/mutter_idle_source.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace skyfolio {
namespace {

constexpr const char* kService = "org.gnome.Mutter.IdleMonitor";
constexpr const char* kPath = "/org/gnome/Mutter/IdleMonitor/Core";
constexpr const char* kInterface = "org.gnome.Mutter.IdleMonitor";

}  // namespace

std::variant<std::unique_ptr<MutterIdleSource>, std::string> MutterIdleSource::open(Events events) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return std::string("no session bus for GNOME's idle monitor");
    if (!bus.interface()->isServiceRegistered(kService)) return std::string("GNOME's idle monitor is not on the session bus");
    std::unique_ptr<MutterIdleSource> source(new MutterIdleSource(std::move(events)));
    bus.connect(kService, kPath, kInterface, "WatchFired", source.get(), SLOT(watchFired(uint)));
    // GNOME Shell's end is the session's.
    bus.connect("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameOwnerChanged",
                {kService}, QString(), source.get(), SLOT(ownerChanged(QString, QString, QString)));
    return source;
}

MutterIdleSource::MutterIdleSource(Events events) : events_(std::move(events)) {}

MutterIdleSource::~MutterIdleSource() { removeWatches(); }

uint MutterIdleSource::call(const char* method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return 0;
    return reply.arguments().constFirst().toUInt();
}

// Counted from now: idle once the idle time grows past today's by the
// timeout; at the first input, from zero, in a watch that then fires in
// every idle period.
void MutterIdleSource::arm(std::chrono::milliseconds timeout) {
    removeWatches();
    timeout_ = qulonglong(timeout.count());
    QDBusMessage ask = QDBusMessage::createMethodCall(kService, kPath, kInterface, "GetIdletime");
    const QDBusMessage idleNow = QDBusConnection::sessionBus().call(ask);
    const qulonglong idle = idleNow.arguments().isEmpty() ? 0 : idleNow.arguments().constFirst().toULongLong();
    idleWatch_ = call("AddIdleWatch", {idle + timeout_});
    if (idle > 0) inputWatch_ = call("AddUserActiveWatch");
}

void MutterIdleSource::watchFired(uint id) {
    if (id == 0) return;
    if (id == idleWatch_) {
        events_.idle();
    } else if (id == inputWatch_) {
        // A user-active watch fires once and is gone.
        inputWatch_ = 0;
        call("RemoveWatch", {idleWatch_});
        idleWatch_ = call("AddIdleWatch", {timeout_});
    }
}

void MutterIdleSource::ownerChanged(const QString&, const QString&, const QString& newOwner) {
    if (newOwner.isEmpty()) events_.lost();
}

void MutterIdleSource::removeWatches() {
    for (uint* watch : {&idleWatch_, &inputWatch_}) {
        if (*watch) call("RemoveWatch", {*watch});
        *watch = 0;
    }
}

}  // namespace skyfolio
