#include "platform/message_picture.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace skyfolio {
namespace {

// Large enough to read from a step back on a screen; a small preview still
// gets a few words a line.
constexpr int kLargestPointSize = 16;
constexpr int kSmallestPointSize = 6;
constexpr int kMarginDivisor = 16;

}  // namespace

QImage messagePicture(PictureSize size, const std::string& text) {
    QImage picture(std::max(size.width, 1), std::max(size.height, 1), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    const int marginX = picture.width() / kMarginDivisor;
    const int marginY = picture.height() / kMarginDivisor;
    const QRect area = picture.rect().adjusted(marginX, marginY, -marginX, -marginY);
    const QString message = QString::fromStdString(text);
    constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap;
    // The largest size at which the whole message fits.
    QFont font = painter.font();
    for (int points = kLargestPointSize; points >= kSmallestPointSize; --points) {
        font.setPointSize(points);
        painter.setFont(font);
        if (area.contains(painter.boundingRect(area, flags, message))) break;
    }
    painter.drawText(area, flags, message);
    return picture;
}

}  // namespace skyfolio
