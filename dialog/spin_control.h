#pragma once

#include <QWidget>

class QScrollBar;

namespace skyfolio {

// A small vertical scroll bar used as an up/down stepper: its top end is its
// highest value, so the upper arrow raises the value, and an arrow or a click
// on the track moves it by one.
class SpinControl : public QWidget {
    Q_OBJECT

public:
    SpinControl(int minimum, int maximum, int value, QWidget* parent);

    int value() const;
    void setValue(int value);
    int minimum() const;
    int maximum() const;
    void setMaximum(int maximum);

signals:
    // Whenever the value changes, by the user or by the program.
    void valueChanged(int value);

private:
    void resizeEvent(QResizeEvent* event) override;

    // A scroll bar's top end is its lowest value, so it runs over the negated range.
    QScrollBar* bar_;
};

}  // namespace skyfolio
