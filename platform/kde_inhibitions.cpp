#include "platform/kde_inhibitions.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace skyfolio {
namespace {

constexpr const char* kService = "org.kde.Solid.PowerManagement.PolicyAgent";
constexpr const char* kPath = "/org/kde/Solid/PowerManagement/PolicyAgent";
constexpr const char* kInterface = "org.kde.Solid.PowerManagement.PolicyAgent";
// PowerDevil's policy ChangeScreenSettings, which screen-saver inhibitions hold.
constexpr uint kChangeScreenSettings = 4;

}  // namespace

std::unique_ptr<KdeInhibitions> KdeInhibitions::listen(std::function<void(bool)> changed) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kService)) return nullptr;
    std::unique_ptr<KdeInhibitions> inhibitions(new KdeInhibitions(std::move(changed)));
    bus.connect(kService, kPath, kInterface, "InhibitionsChanged", inhibitions.get(), SLOT(inhibitionsChanged()));
    // A film that plays as the watch starts.
    inhibitions->inhibitionsChanged();
    return inhibitions;
}

KdeInhibitions::KdeInhibitions(std::function<void(bool)> changed) : changed_(std::move(changed)) {}

void KdeInhibitions::inhibitionsChanged() {
    QDBusMessage ask = QDBusMessage::createMethodCall(kService, kPath, kInterface, "HasInhibition");
    ask << kChangeScreenSettings;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(ask);
    changed_(reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
             reply.arguments().constFirst().toBool());
}

}  // namespace skyfolio
