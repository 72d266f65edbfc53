#pragma once

#include "platform/idle_source.h"

#include <QObject>

#include <memory>
#include <string>
#include <variant>

namespace skyfolio {

// GNOME's idle monitor on the session bus (org.gnome.Mutter.IdleMonitor),
// in its X11 and Wayland sessions alike. Its idle watches pause while
// gnome-session holds an idle inhibition, a video player's included.
class MutterIdleSource : public QObject, public IdleSource {
    Q_OBJECT

public:
    // The source, or why there is none.
    static std::variant<std::unique_ptr<MutterIdleSource>, std::string> open(Events events);
    ~MutterIdleSource() override;

    const char* name() const override { return "GNOME's idle monitor (org.gnome.Mutter.IdleMonitor)"; }
    void arm(std::chrono::milliseconds timeout) override;

private Q_SLOTS:
    void watchFired(uint id);
    void ownerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    explicit MutterIdleSource(Events events);
    uint call(const char* method, const QVariantList& arguments = {});
    void removeWatches();

    Events events_;
    qulonglong timeout_ = 0;
    uint idleWatch_ = 0;
    uint inputWatch_ = 0;  // once, at the first input after an arm
};

}  // namespace skyfolio
