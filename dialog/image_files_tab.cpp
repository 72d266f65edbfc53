#include "dialog/image_files_tab.h"

#include "dialog/caption_fit.h"
#include "dialog/control_placement.h"
#include "dialog/picture_list_box.h"
#include "dialog/picture_list_limit.h"
#include "dialog/preview_box.h"
#include "dialog/tab_control.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace skyfolio {
namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setIconSize({9, 9});
    return button;
}

}  // namespace

ImageFilesTab::ImageFilesTab(QWidget* parent) : QWidget(parent) {
    photoDisplay = place(new QGroupBox(QStringLiteral("Image "), this), "photoDisplay", {600, 480, 5295, 4815});
    QWidget* frame = photoDisplay;

    photo1 = place(new PreviewBox(frame), "photo1", {840, 360, 3375, 1815}, QStringLiteral("Thumbnail preview"));
    Label5 = placeLabel(frame, "Label5", QStringLiteral("Loaded Image(s)"), {240, 2520, 1935, 255});

    List1 = place(new PictureListBox(frame), "List1", {240, 2760, 4335, 1320}, QStringLiteral("Loaded Image(s)"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setFont(designFont("Times New Roman", 6.75));

    Label4 = placeLabel(frame, "Label4", QStringLiteral("Total"), {3600, 2400, 495, 255});
    Text3 = place(new QLineEdit(frame), "Text3", {4200, 2400, 375, 285}, QStringLiteral("Image amount"));
    Text3->setReadOnly(true);

    up = place(arrowButton(frame, Qt::UpArrow), "up", {4680, 2880, 325, 325}, QStringLiteral("Move selected file up"));
    down = place(arrowButton(frame, Qt::DownArrow), "down", {4680, 3240, 325, 325},
                 QStringLiteral("Move selected file down"));
    add = place(new QPushButton(QStringLiteral("&Add"), frame), "add", {240, 4200, 1215, 375},
                QStringLiteral("Load An Image"));
    remove = place(new QPushButton(QStringLiteral("&Remove"), frame), "remove", {1560, 4200, 1335, 375},
                   QStringLiteral("Remove An Image"));
    RemoveAll = place(new QPushButton(QStringLiteral("R&emove All"), frame), "RemoveAll", {3000, 4200, 1575, 375},
                      QStringLiteral("Remove All Images"));
    // In the free space right of the preview, level with its bottom.
    addFolder = place(new QPushButton(QStringLiteral("&Folder..."), frame), "addFolder", {4320, 1800, 855, 375},
                      QStringLiteral("Add Every Picture Of A Folder (the list holds up to %1)").arg(kMostPictures));

    new CaptionFit(frame, frameBounds(photoDisplay));
    new CaptionFit(this, pageBounds());
}

}  // namespace skyfolio
