#pragma once

#include "imaging/picture.h"

#include <QFrame>

namespace skyfolio {

// The visible preview box: shows one picture stretched into a rectangle of
// its inner area, or nothing.
class PreviewBox : public QFrame {
public:
    explicit PreviewBox(QWidget* parent);

    // `area` is in pixels from the inner area's top-left corner.
    void showPicture(const Picture& picture, QRect area);
    void clear();

    bool isBlank() const { return picture_.isNull(); }
    QRect shownArea() const { return area_; }

private:
    void paintEvent(QPaintEvent* event) override;

    Picture picture_;
    QRect area_;
};

}  // namespace skyfolio
