#include "dialog/tab_control.h"

namespace skyfolio {

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {}

void TabControl::showEvent(QShowEvent* event) {
    QTabWidget::showEvent(event);  // lays the pages out
    if (controlsPlaced_ || count() == 0) return;
    controlsPlaced_ = true;
    const QPoint pageOffset = widget(0)->mapTo(this, QPoint());
    for (int i = 0; i < count(); ++i)
        for (QWidget* control : widget(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            control->move(control->pos() - pageOffset);
}

}  // namespace skyfolio
