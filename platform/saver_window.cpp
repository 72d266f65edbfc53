#include "platform/saver_window.h"

#include "platform/image_surface.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

#include <cmath>

namespace skyfolio {
namespace {

// The logical pixels that cover a rectangle of device pixels.
QRect logicalPixelsOf(const QRect& device, qreal ratio) {
    const int left = int(std::floor(device.x() / ratio));
    const int top = int(std::floor(device.y() / ratio));
    const int right = int(std::ceil((device.x() + device.width()) / ratio));
    const int bottom = int(std::ceil((device.y() + device.height()) / ratio));
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

SaverWindow::SaverWindow(SurfaceFunction surface, Qt::WindowFlags flags)
    : QWidget(nullptr, flags | Qt::Window | Qt::FramelessWindowHint), surface_(std::move(surface)) {
    setWindowTitle(QStringLiteral("Skyfolio"));
    setObjectName(QStringLiteral("SaverWindow"));
    // Every pixel comes from the engine's image: no background to paint first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QRect SaverWindow::devicePixelsOf(const QRect& logical, qreal ratio) {
    const int left = int(std::floor(logical.x() * ratio));
    const int top = int(std::floor(logical.y() * ratio));
    const int right = int(std::ceil((logical.x() + logical.width()) * ratio));
    const int bottom = int(std::ceil((logical.y() + logical.height()) * ratio));
    return QRect(left, top, right - left, bottom - top);
}

void SaverWindow::setInput(SaverInput input) { input_ = std::move(input); }

void SaverWindow::cover(QScreen* screen, const QRect& area) {
    screen_ = screen;
    area_ = area;
    followArea();
}

void SaverWindow::repaintChanged(const std::vector<QRect>& changed) {
    const qreal ratio = devicePixelRatioF();
    for (const QRect& rect : changed) update(logicalPixelsOf(rect, ratio));
}

void SaverWindow::setInputEnabled(bool enabled) { inputEnabled_ = enabled; }

// Painted in device pixels: a cached picture shows at its own size on a
// high-density screen, not blown up and blurred.
void SaverWindow::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    QPainter painter(this);
    painter.scale(1 / ratio, 1 / ratio);
    const QRect image = devicePixelsOf(rect(), ratio);
    const ImageSurface& shown = surface_();
    for (const QRect& rect : event->region()) shown.paint(painter, devicePixelsOf(rect, ratio) & image);
}

void SaverWindow::keyPressEvent(QKeyEvent*) {
    if (inputEnabled_ && input_.keyDown) input_.keyDown();
}

void SaverWindow::mousePressEvent(QMouseEvent*) {
    if (inputEnabled_ && input_.mouseDown) input_.mouseDown();
}

// The window covers its screen's area exactly, so the desktop position is
// the area's corner plus the window's own: a Wayland client is told no
// other, and on X11 it is the same point.
void SaverWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!inputEnabled_ || !input_.mouseMove) return;
    const qreal ratio = devicePixelRatioF();
    const QPointF local = event->position() * ratio;
    const QPoint origin = screen_ ? screen_->virtualGeometry().topLeft() : QPoint();
    // One scale for the whole desktop, the primary screen's: counted at each
    // output's own, a pointer crossing from a scale-1 output to a scale-2 one
    // would leap by the width of the first.
    const QScreen* primary = QGuiApplication::primaryScreen();
    const qreal desktopRatio = primary ? primary->devicePixelRatio() : ratio;
    const QPointF desktop = (event->position() + area_.topLeft() - origin) * desktopRatio;
    input_.mouseMove({float(local.x()), float(local.y()), float(desktop.x()), float(desktop.y())});
}

}  // namespace skyfolio
