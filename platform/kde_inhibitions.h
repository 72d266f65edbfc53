#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace skyfolio {

// KDE Plasma's inhibitions: a video player's org.freedesktop.ScreenSaver
// Inhibit goes to PowerDevil there, which keeps them as policies that stop
// the screen's settings from changing. Heard as they change.
class KdeInhibitions : public QObject {
    Q_OBJECT

public:
    // Nothing where PowerDevil is not on the session bus.
    static std::unique_ptr<KdeInhibitions> listen(std::function<void(bool inhibited)> changed);

private Q_SLOTS:
    void inhibitionsChanged();

private:
    explicit KdeInhibitions(std::function<void(bool)> changed);

    std::function<void(bool)> changed_;
};

}  // namespace skyfolio
