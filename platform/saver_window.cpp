#include "platform/saver_window.h"

#include "platform/image_surface.h"
#include "platform/x11/shm_presenter.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace skyfolio {
namespace {

// The device pixels a rectangle of logical pixels touches.
QRect devicePixelsOf(const QRect& logical, qreal ratio) {
    const int left = int(std::floor(logical.x() * ratio));
    const int top = int(std::floor(logical.y() * ratio));
    const int right = int(std::ceil((logical.x() + logical.width()) * ratio));
    const int bottom = int(std::ceil((logical.y() + logical.height()) * ratio));
    return QRect(left, top, right - left, bottom - top);
}

// The logical pixels that cover a rectangle of device pixels.
QRect logicalPixelsOf(const QRect& device, qreal ratio) {
    const int left = int(std::floor(device.x() / ratio));
    const int top = int(std::floor(device.y() / ratio));
    const int right = int(std::ceil((device.x() + device.width()) / ratio));
    const int bottom = int(std::ceil((device.y() + device.height()) / ratio));
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

// Bypassing the window manager lets us place the window ourselves, over any
// panel, on a desktop with a window manager and on a bare X server alike.
SaverWindow::SaverWindow(SurfaceFunction surface)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint),
      surface_(std::move(surface)) {
    setWindowTitle(QStringLiteral("Skyfolio"));
    // Every pixel comes from the engine's image: no background to paint first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Painted on the screen by the presenter: the toolkit then keeps no
    // second full-size image of its own to copy the engine's into.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        presenter_ = X11ShmPresenter::forWindow(x11->connection(), uint32_t(winId()));
        if (presenter_) setAttribute(Qt::WA_PaintOnScreen);
    }
}

SaverWindow::~SaverWindow() = default;

void SaverWindow::setInput(SaverInput input) { input_ = std::move(input); }

void SaverWindow::cover(const QRect& area) {
    area_ = area;
    setGeometry(area_);
}

void SaverWindow::repaintChanged(const std::vector<QRect>& changed) {
    if (presenter_) {
        if (isVisible()) presenter_->present(changed, surface_());
        return;
    }
    const qreal ratio = devicePixelRatioF();
    for (const QRect& rect : changed) update(logicalPixelsOf(rect, ratio));
}

void SaverWindow::showForm(bool takeKeyboard) {
    setGeometry(area_);
    show();
    raise();
    if (!takeKeyboard) return;
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void SaverWindow::placeWindow(bool topmost) {
    setGeometry(area_);
    // On the widget the flag would hide and recreate a shown window; the
    // native window takes it in place.
    if (QWindow* native = windowHandle()) native->setFlag(Qt::WindowStaysOnTopHint, topmost);
    show();
    if (topmost) raise();
}

void SaverWindow::setInputEnabled(bool enabled) { setEnabled(enabled); }

void SaverWindow::awaitPresented() {
    if (presenter_) presenter_->awaitServer();
}

QPaintEngine* SaverWindow::paintEngine() const { return presenter_ ? nullptr : QWidget::paintEngine(); }

// Painted in device pixels: a cached picture shows at its own size on a
// high-density screen, not blown up and blurred.
void SaverWindow::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    const ImageSurface& surface = surface_();
    if (presenter_) {
        const QRect image(0, 0, surface.size().width, surface.size().height);
        exposed_.clear();
        for (const QRect& rect : event->region())
            if (const QRect shown = devicePixelsOf(rect, ratio) & image; !shown.isEmpty()) exposed_.push_back(shown);
        if (!exposed_.empty()) presenter_->present(exposed_, surface);
        return;
    }
    QPainter painter(this);
    painter.scale(1 / ratio, 1 / ratio);
    const QRect image = devicePixelsOf(rect(), ratio);
    for (const QRect& rect : event->region()) surface.paint(painter, devicePixelsOf(rect, ratio) & image);
}

void SaverWindow::keyPressEvent(QKeyEvent*) {
    if (input_.keyDown) input_.keyDown();
}

void SaverWindow::mousePressEvent(QMouseEvent*) {
    if (input_.mouseDown) input_.mouseDown();
}

void SaverWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!input_.mouseMove) return;
    const qreal ratio = devicePixelRatioF();
    const QPointF local = event->position() * ratio;
    const QPointF desktop = (event->globalPosition() - screen()->virtualGeometry().topLeft()) * ratio;
    input_.mouseMove({float(local.x()), float(local.y()), float(desktop.x()), float(desktop.y())});
}

}  // namespace skyfolio
