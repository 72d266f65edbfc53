#include "platform/saver_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace skyfolio {

// Bypassing the window manager lets us place the window ourselves, over any
// panel, on a desktop with a window manager and on a bare X server alike.
SaverWindow::SaverWindow()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint),
      surface_(screenRect().size(), [this](const std::vector<QRect>& changed) {
          for (const QRect& rect : changed) update(rect);
      }) {
    setWindowTitle(QStringLiteral("Skyfolio"));
    // Every pixel comes from the surface: no background to paint first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(screenRect());
}

QRect SaverWindow::screenRect() const { return QGuiApplication::primaryScreen()->geometry(); }

void SaverWindow::setInput(SaverInput input) { input_ = std::move(input); }

void SaverWindow::showForm() {
    setGeometry(screenRect());
    show();
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void SaverWindow::setCursorPos(int x, int y) {
    const QRect screen = screenRect();
    QCursor::setPos(std::clamp(x, screen.left(), screen.right()), std::clamp(y, screen.top(), screen.bottom()));
}

void SaverWindow::placeWindow(bool topmost) {
    setGeometry(screenRect());
    // On the widget the flag would hide and recreate a shown window; the
    // native window takes it in place.
    if (QWindow* native = windowHandle()) native->setFlag(Qt::WindowStaysOnTopHint, topmost);
    show();
    if (topmost) raise();
}

void SaverWindow::setInputEnabled(bool enabled) { setEnabled(enabled); }

void SaverWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& rect : event->region()) surface_.paint(painter, rect);
}

void SaverWindow::keyPressEvent(QKeyEvent*) {
    if (input_.keyDown) input_.keyDown();
}

void SaverWindow::mousePressEvent(QMouseEvent*) {
    if (input_.mouseDown) input_.mouseDown();
}

void SaverWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (input_.mouseMove) input_.mouseMove(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

}  // namespace skyfolio
