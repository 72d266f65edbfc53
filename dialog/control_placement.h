#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <string_view>

class QLabel;
class QWidget;

namespace skyfolio {

// A control's place in its container as the window's design gives it, in
// twips: left, top, width, height.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The same rectangle in device-independent pixels; Qt scales those for the
// screen's pixel ratio.
QRect pixelRect(Twips at);

// Names a control after its design name and puts it in its place.
template <class Widget>
Widget* place(Widget* control, const char* name, Twips at, const QString& toolTip = {}) {
    placeControl(control, name, at, toolTip);
    return control;
}
void placeControl(QWidget* control, const char* name, Twips at, const QString& toolTip);

// Where the design puts a placed control, in pixels of its container; its
// geometry where it was not placed.
QRect designPlace(const QWidget* control);

// Moves a placed control and its design place with it, for a container
// whose origin is not where the design counts from.
void shiftControl(QWidget* control, QPoint by);

// A font of the design; the desktop's font matching stands in for families
// it does not have.
QFont designFont(const char* family, double points);

// A caption of the saver's tables as Qt shows it.
inline QString captionText(std::string_view caption) {
    return QString::fromUtf8(caption.data(), qsizetype(caption.size()));
}

// A label with its caption; `centred` as the design draws some of them.
QLabel* placeLabel(QWidget* parent, const char* name, const QString& caption, Twips at, bool centred = false);

}  // namespace skyfolio
