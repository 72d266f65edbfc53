#include "startup/desktop_screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace skyfolio {

std::vector<ScreenArea> desktopScreens() {
    std::vector<ScreenArea> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect at = screen->geometry();
        areas.push_back({screen, at.x(), at.y(), at.width(), at.height(), screen->devicePixelRatio(), screen == primary});
    }
    return areas;
}

ScreenChanges::ScreenChanges(std::function<void()> changed) : changed_(std::move(changed)) {
    for (QScreen* screen : QGuiApplication::screens()) watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watch(screen);
        soon();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] { soon(); });
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this] { soon(); });
}

void ScreenChanges::watch(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, [this] { soon(); });
    connect(screen, &QScreen::physicalDotsPerInchChanged, this, [this] { soon(); });
    connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { soon(); });
}

// Queued: the screens are read once the toolkit has taken in all of the burst.
void ScreenChanges::soon() {
    if (pending_) return;
    pending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            pending_ = false;
            changed_();
        },
        Qt::QueuedConnection);
}

}  // namespace skyfolio
