#pragma once

#include <QObject>

#include <functional>

namespace skyfolio {

// The desktop's own lock screen coming up and going: GNOME's and the
// freedesktop screen saver's ActiveChanged on the session bus, and logind's
// Lock and Unlock of this session (swaylock and other lockers that
// swayidle starts). Asked once at the start, then heard as it changes:
// nothing is polled.
class DesktopLock : public QObject {
    Q_OBJECT

public:
    // `listenToFreedesktop` false when org.freedesktop.ScreenSaver is our
    // own, which locks nothing.
    DesktopLock(std::function<void(bool locked)> changed, bool listenToFreedesktop);

private Q_SLOTS:
    void activeChanged(bool active);
    void sessionLocked();
    void sessionUnlocked();

private:
    std::function<void(bool)> changed_;
};

}  // namespace skyfolio
