#include "tools/sample_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>

namespace skyfolio {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A range of hills whose crest is a sum of two waves.
QPainterPath hills(double base, double amplitude, double phase, double waves) {
    QPainterPath path(QPointF(0, kHeight));
    for (int x = 0; x <= kWidth; x += 4) {
        const double t = x * waves * 2 * M_PI / kWidth + phase;
        path.lineTo(x, base - amplitude * (std::sin(t) + 0.4 * std::sin(2.3 * t + 1.1)));
    }
    path.lineTo(kWidth, kHeight);
    path.closeSubpath();
    return path;
}

QImage blankCanvas() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

}  // namespace

QImage drawSunriseSample() {
    QImage image = blankCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kHeight * 0.7);
    sky.setColorAt(0.0, QColor(24, 44, 112));
    sky.setColorAt(0.55, QColor(214, 110, 92));
    sky.setColorAt(1.0, QColor(255, 196, 112));
    p.fillRect(image.rect(), sky);

    QRadialGradient sun(QPointF(420, 300), 90);
    sun.setColorAt(0.0, QColor(255, 250, 210));
    sun.setColorAt(0.45, QColor(255, 214, 120));
    sun.setColorAt(1.0, QColor(255, 180, 100, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(420, 300), 90, 90);

    const QColor greens[] = {QColor(92, 120, 96), QColor(54, 96, 62), QColor(28, 64, 40)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(greens[i]);
        p.drawPath(hills(330 + 50 * i, 28 - 6 * i, 1.7 * i, 1.5 + 0.5 * i));
    }

    // A few birds in the morning air.
    p.setPen(QPen(QColor(40, 30, 50), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF birds[] = {{150, 120}, {190, 100}, {230, 135}, {120, 160}};
    for (const QPointF& b : birds) {
        QPainterPath wing(b + QPointF(-14, -6));
        wing.quadTo(b + QPointF(-6, -10), b);
        wing.quadTo(b + QPointF(6, -10), b + QPointF(14, -6));
        p.drawPath(wing);
    }
    return image;
}

QImage drawNightSample() {
    QImage image = blankCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0.0, QColor(6, 8, 32));
    sky.setColorAt(0.6, QColor(40, 30, 90));
    sky.setColorAt(1.0, QColor(90, 60, 120));
    p.fillRect(image.rect(), sky);

    // The same stars every time: the picture is part of the installation.
    std::mt19937 stars(1998);
    std::uniform_real_distribution<double> across(0, kWidth), down(0, kHeight * 0.65), bright(120, 255);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        const int level = static_cast<int>(bright(stars));
        p.setBrush(QColor(level, level, std::min(255, level + 30)));
        const double radius = level > 230 ? 1.8 : 1.0;
        p.drawEllipse(QPointF(across(stars), down(stars)), radius, radius);
    }

    // A crescent moon: a disc with a smaller one taken out of it.
    QPainterPath disc, bite;
    disc.addEllipse(QPointF(500, 110), 52, 52);
    bite.addEllipse(QPointF(522, 96), 48, 48);
    p.setBrush(QColor(250, 244, 210));
    p.drawPath(disc.subtracted(bite));

    const QColor ridges[] = {QColor(44, 36, 84), QColor(24, 20, 52), QColor(10, 8, 24)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(ridges[i]);
        p.drawPath(hills(300 + 55 * i, 46 - 10 * i, 0.9 + 1.3 * i, 2.0 + 0.7 * i));
    }
    return image;
}

}  // namespace skyfolio
