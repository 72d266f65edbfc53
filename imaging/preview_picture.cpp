#include "imaging/preview_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace skyfolio {
namespace {

struct Card {
    double angle;         // degrees, clockwise
    QColor top, bottom;   // the card's little sky
    QColor ground;
};

// Left to right; the last one lies on top.
constexpr int kCards = 3;
const Card kFan[kCards] = {
    {-18, QColor(30, 40, 110), QColor(120, 80, 150), QColor(20, 16, 44)},
    {16, QColor(40, 120, 200), QColor(170, 220, 250), QColor(70, 130, 60)},
    {-2, QColor(60, 60, 140), QColor(250, 170, 100), QColor(50, 90, 60)},
};

void drawCard(QPainter& p, const Card& card, QPointF pivot, QSizeF size) {
    p.save();
    p.translate(pivot);
    p.rotate(card.angle);
    const QRectF frame(-size.width() / 2, -size.height(), size.width(), size.height());
    p.setPen(QPen(QColor(60, 60, 70, 120), 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(frame);
    const QRectF inner = frame.adjusted(3, 3, -3, -3);
    QLinearGradient sky(inner.topLeft(), inner.bottomLeft());
    sky.setColorAt(0, card.top);
    sky.setColorAt(1, card.bottom);
    p.setPen(Qt::NoPen);
    p.fillRect(inner, sky);
    p.setClipRect(inner);
    p.setBrush(card.ground);
    p.drawEllipse(QRectF(inner.left() - inner.width() * 0.2, inner.bottom() - inner.height() * 0.3,
                         inner.width() * 1.4, inner.height() * 0.6));
    p.restore();
}

}  // namespace

Picture drawPreviewPicture(PictureSize size) {
    QImage image(size.width, size.height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width, h = size.height;

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(22, 70, 150));
    sky.setColorAt(1, QColor(150, 200, 240));
    p.fillRect(image.rect(), sky);

    QRadialGradient glow(QPointF(w * 0.82, h * 0.18), h * 0.22);
    glow.setColorAt(0, QColor(255, 250, 220));
    glow.setColorAt(0.4, QColor(255, 230, 160));
    glow.setColorAt(1, QColor(255, 230, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(w * 0.82, h * 0.18), h * 0.22, h * 0.22);

    const QSizeF card(w * 0.36, h * 0.5);
    const double pivots[kCards] = {0.34, 0.66, 0.5};
    for (int i = 0; i < kCards; ++i) drawCard(p, kFan[i], QPointF(w * pivots[i], h * 0.9), card);
    p.end();
    return Picture(image);
}

Picture pictureInBox(const Picture& picture, PictureSize box, uint32_t backColor) {
    QImage image(box.width, box.height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(backColor));
    QPainter p(&image);
    p.drawImage(0, 0, picture.image());
    p.end();
    return Picture(image);
}

}  // namespace skyfolio
