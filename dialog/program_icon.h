#pragma once

#include <QIcon>
#include <QPixmap>

namespace skyfolio {

// Skyfolio's icon, drawn by code: a few pictures flying across a sky.
QPixmap programPicture(int side);
QIcon programIcon();

}  // namespace skyfolio
