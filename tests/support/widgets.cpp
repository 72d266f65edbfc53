#include "tests/support/widgets.h"

#include "imaging/picture.h"

#include <QApplication>
#include <QWidget>

#include <stdexcept>

namespace skyfolio::test {

namespace {

QColor fieldColour(const QWidget* field) { return field->palette().color(QPalette::Active, field->backgroundRole()); }

}  // namespace

std::string writePicture(const std::string& path, int width, int height, unsigned rgb) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(rgb));
    if (!Picture(image).saveJpeg(path, 90)) throw std::runtime_error("cannot write " + path);
    return path;
}

bool paintedAsEnabledField(const QWidget* field) {
    return field->isEnabled() && fieldColour(field) == QApplication::palette().color(QPalette::Active, QPalette::Base);
}

bool paintedAsDisabledField(const QWidget* field) {
    return !field->isEnabled() && fieldColour(field) == QApplication::palette().color(QPalette::Active, QPalette::Midlight);
}

}  // namespace skyfolio::test
