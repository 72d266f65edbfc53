#pragma once

#include <QDBusContext>
#include <QDBusServiceWatcher>
#include <QObject>

#include <functional>
#include <map>
#include <memory>

namespace skyfolio {

// org.freedesktop.ScreenSaver on the session bus, where nobody else offers
// it (bare X11, the wlroots desktops): video players call Inhibit while they
// play and UnInhibit when done. An inhibition lasts until its UnInhibit or
// until its caller leaves the bus, so a player that crashes holds nothing.
class ScreenSaverService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    // Claims the name when it is free; nothing when another program has it
    // (the desktop's own, which then keeps the inhibitions) or there is no
    // session bus. `changed` hears whether any inhibition is held.
    static std::unique_ptr<ScreenSaverService> claimIfFree(std::function<void(bool inhibited)> changed);
    ~ScreenSaverService() override;

public Q_SLOTS:
    uint Inhibit(const QString& application, const QString& reason);
    void UnInhibit(uint cookie);

private:
    explicit ScreenSaverService(std::function<void(bool)> changed);
    void forget(const QString& caller);
    void tell(bool wasInhibited);

    std::function<void(bool)> changed_;
    std::map<uint, QString> callers_;  // cookie to the unique bus name that holds it
    QDBusServiceWatcher leaving_;
    uint lastCookie_ = 0;
};

}  // namespace skyfolio
