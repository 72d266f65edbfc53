#include "platform/x11/x11_window_system.h"

#include "platform/x11/x11_saver_window.h"

#include <QCursor>

namespace skyfolio {

std::unique_ptr<SaverWindow> X11WindowSystem::saverWindow(SaverWindow::SurfaceFunction surface) {
    return std::make_unique<X11SaverWindow>(std::move(surface));
}

void X11WindowSystem::movePointer(int x, int y) { QCursor::setPos(x, y); }

}  // namespace skyfolio
