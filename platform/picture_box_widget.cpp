#include "platform/picture_box_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace skyfolio {

PictureBoxWidget::PictureBoxWidget(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted here; nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    hide();
}

void PictureBoxWidget::setBackground(QColor colour) {
    background_ = colour;
    update();
}

void PictureBoxWidget::setPicture(const QImage& picture) {
    image_ = picture;
    copied_ = QRegion();
    update();
}

bool PictureBoxWidget::copy(const QImage& source, const QRect& rect) {
    if (source.cacheKey() != copiedFrom_) {
        copiedFrom_ = source.cacheKey();
        copied_ = QRegion();
    }
    const QRegion fresh = QRegion(rect & onScreen() & source.rect()) - copied_;
    if (fresh.isEmpty()) return false;
    if (image_.size() != size()) {
        // The first step into a cleared box: a canvas of the box's colour.
        image_ = QImage(size(), QImage::Format_RGB32);
        image_.fill(background_);
    }
    QPainter painter(&image_);
    for (const QRect& part : fresh) painter.drawImage(part.topLeft(), source, part);
    copied_ += fresh;
    unpresented_ += fresh;
    return true;
}

void PictureBoxWidget::presentCopied() {
    if (unpresented_.isEmpty()) return;
    repaint(unpresented_);
    unpresented_ = QRegion();
}

QRect PictureBoxWidget::onScreen() const {
    const QWidget* form = parentWidget();
    return form ? rect() & QRect(mapFromParent(QPoint(0, 0)), form->size()) : rect();
}

void PictureBoxWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& part : event->region() - image_.rect()) painter.fillRect(part, background_);
    for (const QRect& part : event->region() & image_.rect()) painter.drawImage(part.topLeft(), image_, part);
}

void PictureBoxWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!mouseMove_) {
        event->ignore();
        return;
    }
    const QPointF at = event->position();
    mouseMove_(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

}  // namespace skyfolio
