#include "platform/screensaver_service.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <algorithm>

namespace skyfolio {
namespace {

constexpr const char* kName = "org.freedesktop.ScreenSaver";
// Chromium and GTK players call the first, KDE's the second.
constexpr const char* kPaths[] = {"/org/freedesktop/ScreenSaver", "/ScreenSaver"};

}  // namespace

std::unique_ptr<ScreenSaverService> ScreenSaverService::claimIfFree(std::function<void(bool)> changed) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
    if (!names || names->isServiceRegistered(kName)) return nullptr;
    std::unique_ptr<ScreenSaverService> service(new ScreenSaverService(std::move(changed)));
    // The objects first, so that a call that comes with the name finds them.
    for (const char* path : kPaths) bus.registerObject(path, service.get(), QDBusConnection::ExportAllSlots);
    const auto claimed = names->registerService(kName, QDBusConnectionInterface::DontQueueService,
                                                QDBusConnectionInterface::DontAllowReplacement);
    if (!claimed.isValid() || claimed.value() != QDBusConnectionInterface::ServiceRegistered) return nullptr;
    return service;
}

ScreenSaverService::ScreenSaverService(std::function<void(bool)> changed)
    : changed_(std::move(changed)),
      leaving_(QString(), QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForUnregistration) {
    connect(&leaving_, &QDBusServiceWatcher::serviceUnregistered, this, [this](const QString& caller) { forget(caller); });
}

ScreenSaverService::~ScreenSaverService() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (const char* path : kPaths) bus.unregisterObject(path);
    bus.unregisterService(kName);
}

uint ScreenSaverService::Inhibit(const QString&, const QString&) {
    const bool was = !callers_.empty();
    // Cookie 0 is no cookie to the callers that test it.
    if (++lastCookie_ == 0) ++lastCookie_;
    const QString caller = message().service();
    callers_[lastCookie_] = caller;
    leaving_.addWatchedService(caller);
    tell(was);
    return lastCookie_;
}

void ScreenSaverService::UnInhibit(uint cookie) {
    const bool was = !callers_.empty();
    callers_.erase(cookie);
    tell(was);
}

void ScreenSaverService::forget(const QString& caller) {
    const bool was = !callers_.empty();
    std::erase_if(callers_, [&](const auto& held) { return held.second == caller; });
    leaving_.removeWatchedService(caller);
    tell(was);
}

void ScreenSaverService::tell(bool wasInhibited) {
    if (wasInhibited != !callers_.empty()) changed_(!callers_.empty());
}

}  // namespace skyfolio
