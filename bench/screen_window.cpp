#include "bench/screen_window.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWindow>

#include <X11/Xlib.h>

namespace skyfolio {

ScreenWindow::ScreenWindow(QSize size) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowFlags(Qt::FramelessWindowHint);
    setFixedSize(size);
}

void ScreenWindow::showAndWait() {
    show();
    while (!windowHandle() || !windowHandle()->isExposed()) QGuiApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void ScreenWindow::present(const QImage& image, const std::vector<QRect>& rects) {
    image_ = &image;
    QRegion region;
    for (const QRect& r : rects) region += r;
    repaintedRects_ += region.rectCount();
    repaint(region);
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    XSync(x11->display(), False);
}

void ScreenWindow::paintEvent(QPaintEvent* event) {
    if (!image_) return;
    QPainter painter(this);
    for (const QRect& r : event->region()) painter.drawImage(r.topLeft(), *image_, r);
}

}  // namespace skyfolio
