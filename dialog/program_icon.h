#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace skyfolio {

// Skyfolio's icon, at `side` pixels square and in the sizes a desktop asks for.
QImage programImage(int side);
QPixmap programPicture(int side);
QIcon programIcon();

}  // namespace skyfolio
