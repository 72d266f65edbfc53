#include "platform/x11/x11_saver_window.h"

#include "platform/x11/shm_presenter.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QWindow>

namespace skyfolio {

// Bypassing the window manager lets us place the window ourselves, over any
// panel, on a desktop with a window manager and on a bare X server alike.
X11SaverWindow::X11SaverWindow(SurfaceFunction surface)
    : SaverWindow(std::move(surface), Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint) {
    // Painted on the screen by the presenter: the toolkit then keeps no
    // second full-size image of its own to copy the engine's into.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        presenter_ = X11ShmPresenter::forWindow(x11->connection(), uint32_t(winId()));
        if (presenter_) setAttribute(Qt::WA_PaintOnScreen);
    }
}

X11SaverWindow::~X11SaverWindow() = default;

void X11SaverWindow::repaintChanged(const std::vector<QRect>& changed) {
    if (!presenter_) {
        SaverWindow::repaintChanged(changed);
        return;
    }
    if (isVisible()) presenter_->present(changed, surface()());
}

std::optional<ImageSurface::Sharing> X11SaverWindow::sharing() {
    if (!presenter_) return std::nullopt;
    return ImageSurface::Sharing{.awaitReader = [this] { presenter_->awaitServer(); }};
}

QPaintEngine* X11SaverWindow::paintEngine() const { return presenter_ ? nullptr : SaverWindow::paintEngine(); }

void X11SaverWindow::paintEvent(QPaintEvent* event) {
    if (!presenter_) {
        SaverWindow::paintEvent(event);
        return;
    }
    const ImageSurface& shown = surface()();
    const QRect image(0, 0, shown.size().width, shown.size().height);
    const qreal ratio = devicePixelRatioF();
    exposed_.clear();
    for (const QRect& rect : event->region())
        if (const QRect part = devicePixelsOf(rect, ratio) & image; !part.isEmpty()) exposed_.push_back(part);
    if (!exposed_.empty()) presenter_->present(exposed_, shown);
}

void X11SaverWindow::followArea() { setGeometry(area()); }

void X11SaverWindow::showForm(bool takeKeyboard) {
    setGeometry(area());
    show();
    raise();
    if (!takeKeyboard) return;
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void X11SaverWindow::placeWindow(bool topmost) {
    setGeometry(area());
    // On the widget the flag would hide and recreate a shown window; the
    // native window takes it in place.
    if (QWindow* native = windowHandle()) native->setFlag(Qt::WindowStaysOnTopHint, topmost);
    show();
    if (topmost) raise();
}

// Disabled, too: the window manager's focus then passes it over.
void X11SaverWindow::setInputEnabled(bool enabled) {
    SaverWindow::setInputEnabled(enabled);
    setEnabled(enabled);
}

}  // namespace skyfolio
