#pragma once

#include <QHash>
#include <QObject>
#include <QRect>
#include <QStringList>

class QWidget;

namespace skyfolio {

// Keeps every caption of a panel whole in whatever font the desktop gives
// it. The design measured its labels, check boxes, option buttons and push
// buttons for one font; a wider or larger one would cut them off. A control
// whose caption fits keeps its design place; one whose caption does not
// grows, sideways first and then downwards, within `bounds` and never over
// more of another control than the design already puts it over. Fits once
// made and again whenever the panel's font or style changes.
// The room for the controls inside a frame, clear of its border.
QRect frameBounds(const QWidget* frame);

class CaptionFit : public QObject {
    Q_OBJECT

public:
    // `captions` names the controls whose caption changes as the dialog
    // runs, with every caption each may show.
    CaptionFit(QWidget* panel, QRect bounds, QHash<const QWidget*, QStringList> captions = {});

    void fit();
    // Moves the bounds with the panel's controls (see shiftControl).
    void shift(QPoint by) { bounds_.translate(by); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* panel_;
    QRect bounds_;
    QHash<const QWidget*, QStringList> captions_;
};

}  // namespace skyfolio
