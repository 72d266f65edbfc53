#include "dialog/program_icon.h"

#include "imaging/preview_picture.h"

namespace skyfolio {

// The icon is the saver's preview picture: picture cards fanned out on a sky.
QImage programImage(int side) { return drawPreviewPicture({side, side}).image(); }

QPixmap programPicture(int side) { return QPixmap::fromImage(programImage(side)); }

QIcon programIcon() {
    QIcon icon;
    for (int side : {16, 32, 48}) icon.addPixmap(programPicture(side));
    return icon;
}

}  // namespace skyfolio
