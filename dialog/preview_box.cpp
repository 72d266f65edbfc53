#include "dialog/preview_box.h"

#include <QPainter>

namespace skyfolio {

PreviewBox::PreviewBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void PreviewBox::showPicture(const Picture& picture, QRect area) {
    picture_ = picture;
    area_ = area;
    update();
}

void PreviewBox::clear() {
    picture_ = {};
    area_ = {};
    update();
}

void PreviewBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area_.translated(contentsRect().topLeft()), picture_.image());
}

}  // namespace skyfolio
