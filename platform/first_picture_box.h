#pragma once

#include "platform/picture_box_widget.h"
#include "platform/step_pacer.h"
#include "saver/float_box.h"

namespace skyfolio {

// Float's FirstPicture on the saver window: kept in twips as Float moves it,
// shown in pixels, and drawn into step by step at a pace the eye can follow.
// Lives no longer than the form it was made on.
class FirstPictureBox : public FloatBox {
public:
    explicit FirstPictureBox(QWidget& form);
    FirstPictureBox(const FirstPictureBox&) = delete;
    FirstPictureBox& operator=(const FirstPictureBox&) = delete;

    PictureBoxWidget& widget() { return *widget_; }

    int left() const override { return left_; }
    int top() const override { return top_; }
    int width() const override { return width_; }
    int height() const override { return height_; }
    void move(int left, int top) override;
    void resize(int width, int height) override;
    void setVisible(bool visible) override;
    void setPicture(const Picture& picture) override;
    void copy(const Picture& source, const CopyStep& step) override;

private:
    void place();

    PictureBoxWidget* widget_;  // owned by the form
    // Twips, exactly as set: the bounce compares them with the screen's edges.
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    StepPacer pacer_;
};

}  // namespace skyfolio
