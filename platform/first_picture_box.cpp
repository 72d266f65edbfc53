#include "platform/first_picture_box.h"

#include "platform/units.h"

#include <QScreen>

#include <cmath>

namespace skyfolio {
namespace {

constexpr double kUsualRefreshRate = 60;

StepPacer::Clock::duration displayFrame(const QWidget& form) {
    const QScreen* screen = form.screen();
    double rate = screen ? screen->refreshRate() : 0;
    if (!(rate >= 1 && rate <= 1000)) rate = kUsualRefreshRate;  // unknown, or not believable
    return std::chrono::duration_cast<StepPacer::Clock::duration>(std::chrono::duration<double>(1 / rate));
}

}  // namespace

FirstPictureBox::FirstPictureBox(QWidget& form)
    : widget_(new PictureBoxWidget(&form)), pacer_(displayFrame(form), [this] { widget_->presentCopied(); }) {}

void FirstPictureBox::move(int left, int top) {
    left_ = left;
    top_ = top;
    place();
}

void FirstPictureBox::resize(int width, int height) {
    width_ = width;
    height_ = height;
    place();
}

void FirstPictureBox::place() {
    widget_->setGeometry(twipsToPixels(left_), twipsToPixels(top_), twipsToPixels(width_), twipsToPixels(height_));
}

void FirstPictureBox::setVisible(bool visible) { widget_->setVisible(visible); }

void FirstPictureBox::setPicture(const Picture& picture) { widget_->setPicture(picture.image()); }

void FirstPictureBox::copy(const Picture& source, const CopyStep& step) {
    // Steps may fall between pixels; the nearest pixel serves.
    const QRect rect(static_cast<int>(std::lround(step.x)), static_cast<int>(std::lround(step.y)), step.width,
                     step.height);
    if (widget_->copy(source.image(), rect)) pacer_.stepDrawn();
}

}  // namespace skyfolio
