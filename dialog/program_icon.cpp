#include "dialog/program_icon.h"

#include "imaging/preview_picture.h"

namespace skyfolio {

// The icon is the saver's preview picture: picture cards fanned out on a sky.
QPixmap programPicture(int side) { return QPixmap::fromImage(drawPreviewPicture({side, side}).image()); }

QIcon programIcon() {
    QIcon icon;
    for (int side : {16, 32, 48}) icon.addPixmap(programPicture(side));
    return icon;
}

}  // namespace skyfolio
