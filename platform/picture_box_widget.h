#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <functional>

namespace skyfolio {

// A picture box on the saver window, in pixels: its picture at its top-left
// corner, the form's background colour elsewhere. A transition copies a
// new picture into it rectangle by rectangle.
class PictureBoxWidget : public QWidget {
public:
    explicit PictureBoxWidget(QWidget* parent);

    void setBackground(QColor colour);
    // An empty picture clears the box.
    void setPicture(const QImage& picture);

    // Copies `rect` of `source` to the same place in the box. Only the part
    // that is on the screen and was not copied from this source before is
    // drawn: a wipe's steps overlap, and a step off the screen shows nothing.
    // False when nothing on the screen changed.
    bool copy(const QImage& source, const QRect& rect);
    // Repaints what was copied since the last call, at once, without
    // handling any event.
    void presentCopied();

    // Pointer movements over the box, in the box's pixels.
    void setMouseMove(std::function<void(float x, float y)> moved) { mouseMove_ = std::move(moved); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The box's own area where it lies over the form.
    QRect onScreen() const;

    QImage image_;
    QColor background_ = Qt::black;
    QRegion copied_;  // from copiedFrom_, since the picture was last set
    qint64 copiedFrom_ = 0;
    QRegion unpresented_;
    std::function<void(float x, float y)> mouseMove_;
};

}  // namespace skyfolio
