#include "dialog/tab_control.h"

#include "dialog/caption_fit.h"
#include "dialog/control_placement.h"

namespace skyfolio {
namespace {

// Room enough for the frame that a style draws around the pages.
constexpr int kPageFrame = 4;

}  // namespace

QRect pageBounds() {
    const QRect control = pixelRect(kTabControlPlace);
    return QRect(QPoint(), control.size()).adjusted(0, 0, -kPageFrame, -kPageFrame);
}

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {}

void TabControl::showEvent(QShowEvent* event) {
    QTabWidget::showEvent(event);  // lays the pages out
    if (controlsPlaced_ || count() == 0) return;
    controlsPlaced_ = true;
    const QPoint pageOffset = widget(0)->mapTo(this, QPoint());
    for (int i = 0; i < count(); ++i) {
        for (QWidget* control : widget(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            shiftControl(control, -pageOffset);
        if (auto* fit = widget(i)->findChild<CaptionFit*>(QString(), Qt::FindDirectChildrenOnly)) fit->shift(-pageOffset);
    }
}

}  // namespace skyfolio
