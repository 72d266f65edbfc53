#include "bench/screen_window.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWindow>

#include <X11/Xlib.h>

namespace skyfolio {

ScreenWindow::ScreenWindow(QSize size, PaintFunction paint) : paint_(std::move(paint)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowFlags(Qt::FramelessWindowHint);
    setFixedSize(size);
}

void ScreenWindow::showAndWait() {
    show();
    while (!windowHandle() || !windowHandle()->isExposed()) QGuiApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void ScreenWindow::present(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& r : rects) region += r;
    repaintedRects_ += region.rectCount();
    repaint(region);
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    XSync(x11->display(), False);
}

void ScreenWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& r : event->region()) paint_(painter, r);
}

}  // namespace skyfolio
