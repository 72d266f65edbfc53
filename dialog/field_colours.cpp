#include "dialog/field_colours.h"

#include <QApplication>
#include <QWidget>

namespace skyfolio {

void setFieldEnabled(QWidget* field, bool enabled) {
    field->setEnabled(enabled);
    const QPalette system = QApplication::palette();
    QPalette palette = field->palette();
    // The same colour in every state, so a disabled field shows the 3-D light
    // colour and not the style's own disabled look.
    palette.setBrush(field->backgroundRole(), system.brush(QPalette::Active, enabled ? QPalette::Base : QPalette::Midlight));
    field->setPalette(palette);
}

}  // namespace skyfolio
