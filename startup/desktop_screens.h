#pragma once

#include "startup/saver_screens.h"

#include <QObject>

#include <functional>
#include <vector>

class QScreen;

namespace skyfolio {

// The desktop's screens as the toolkit now reports them.
std::vector<ScreenArea> desktopScreens();

// Calls `changed` once the screens have changed: a screen came or went,
// moved, changed its size or its pixel density, or another became the
// primary. A burst of changes, as a monitor being rearranged makes, is
// told once, after it. Watches for as long as it lives.
class ScreenChanges : public QObject {
public:
    explicit ScreenChanges(std::function<void()> changed);

private:
    void watch(QScreen* screen);
    void soon();

    std::function<void()> changed_;
    bool pending_ = false;
};

}  // namespace skyfolio
