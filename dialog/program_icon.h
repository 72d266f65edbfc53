#pragma once

#include <QIcon>
#include <QPixmap>

namespace skyfolio {

// Skyfolio's icon, at `side` pixels square and in the sizes a desktop asks for.
QPixmap programPicture(int side);
QIcon programIcon();

}  // namespace skyfolio
