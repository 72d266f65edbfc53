#include "dialog/program_icon.h"

#include <QLinearGradient>
#include <QPainter>

namespace skyfolio {

QPixmap programPicture(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 32.0, side / 32.0);

    QLinearGradient sky(0, 0, 0, 32);
    sky.setColorAt(0, QColor(40, 90, 190));
    sky.setColorAt(1, QColor(150, 200, 250));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);

    // Three framed pictures, the nearest the largest, as the copies fly.
    const QRectF frames[] = {{4, 17, 12, 10}, {15, 9, 9, 7}, {23, 4, 6, 5}};
    for (const QRectF& frame : frames) {
        painter.setBrush(Qt::white);
        painter.drawRect(frame);
        painter.setBrush(QColor(240, 160, 60));
        painter.drawRect(frame.adjusted(1.2, 1.2, -1.2, -1.2));
    }
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (int side : {16, 32, 48}) icon.addPixmap(programPicture(side));
    return icon;
}

}  // namespace skyfolio
