#include "dialog/spin_control.h"

#include <QScrollBar>

namespace skyfolio {

SpinControl::SpinControl(int minimum, int maximum, int value, QWidget* parent)
    : QWidget(parent), bar_(new QScrollBar(Qt::Vertical, this)) {
    bar_->setRange(-maximum, -minimum);
    bar_->setSingleStep(1);
    bar_->setPageStep(1);
    bar_->setValue(-value);
    setFocusProxy(bar_);
    connect(bar_, &QScrollBar::valueChanged, this, [this](int negated) { emit valueChanged(-negated); });
}

int SpinControl::value() const { return -bar_->value(); }

void SpinControl::setValue(int value) { bar_->setValue(-value); }

int SpinControl::minimum() const { return -bar_->maximum(); }

int SpinControl::maximum() const { return -bar_->minimum(); }

void SpinControl::setMaximum(int maximum) { bar_->setMinimum(-maximum); }

void SpinControl::resizeEvent(QResizeEvent*) { bar_->setGeometry(rect()); }

}  // namespace skyfolio
