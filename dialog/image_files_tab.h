#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace skyfolio {

class PictureListBox;
class PreviewBox;

// The "Image Files" tab: the picture list, its buttons and the preview. The
// controls carry their design names; the picture list's handlers drive them.
class ImageFilesTab : public QWidget {
public:
    explicit ImageFilesTab(QWidget* parent = nullptr);

    QGroupBox* photoDisplay;
    PreviewBox* photo1;
    QLabel* Label5;
    PictureListBox* List1;
    QLabel* Label4;
    QLineEdit* Text3;
    QToolButton* up;
    QToolButton* down;
    QPushButton* add;
    QPushButton* remove;
    QPushButton* RemoveAll;
    QPushButton* addFolder;
};

}  // namespace skyfolio
