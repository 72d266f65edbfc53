#include "dialog/control_placement.h"

#include "imaging/units.h"

#include <QLabel>

namespace skyfolio {

QRect pixelRect(Twips at) {
    return {twipsToPixels(at.left), twipsToPixels(at.top), twipsToPixels(at.width), twipsToPixels(at.height)};
}

void placeControl(QWidget* control, const char* name, Twips at, const QString& toolTip) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(pixelRect(at));
    if (!toolTip.isEmpty()) control->setToolTip(toolTip);
}

QFont designFont(const char* family, double points) {
    // The design's labels are measured for MS Sans Serif; a wider stand-in would
    // not fit them, one of Arial's widths does. Qt keeps each stand-in once.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                QStringLiteral("Liberation Sans")});
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    return font;
}

QLabel* placeLabel(QWidget* parent, const char* name, const QString& caption, Twips at, bool centred) {
    auto* label = place(new QLabel(caption, parent), name, at);
    label->setWordWrap(true);
    label->setAlignment(centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace skyfolio
