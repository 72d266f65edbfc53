#include "dialog/control_placement.h"

#include "imaging/units.h"

#include <QLabel>

namespace skyfolio {
namespace {

constexpr const char* kDesignPlace = "designPlace";

}  // namespace

QRect pixelRect(Twips at) {
    return {twipsToPixels(at.left), twipsToPixels(at.top), twipsToPixels(at.width), twipsToPixels(at.height)};
}

void placeControl(QWidget* control, const char* name, Twips at, const QString& toolTip) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(pixelRect(at));
    control->setProperty(kDesignPlace, control->geometry());
    if (!toolTip.isEmpty()) control->setToolTip(toolTip);
}

QRect designPlace(const QWidget* control) {
    const QVariant place = control->property(kDesignPlace);
    return place.isValid() ? place.toRect() : control->geometry();
}

void shiftControl(QWidget* control, QPoint by) {
    control->move(control->pos() + by);
    const QVariant place = control->property(kDesignPlace);
    if (place.isValid()) control->setProperty(kDesignPlace, place.toRect().translated(by));
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
