// Draws Skyfolio's icon into a folder laid out as the desktop's icon theme
// is, for the package:
//
//   skyfolio-icon <folder>     writes <folder>/<side>x<side>/apps/skyfolio.png

#include "dialog/program_icon.h"

#include <QDir>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skyfolio-icon <folder>\n");
        return 2;
    }
    for (int side : {16, 32, 48, 64, 128, 256}) {
        const std::string size = std::to_string(side) + "x" + std::to_string(side);
        const QString folder = QString::fromLocal8Bit(argv[1]) + "/" + QString::fromStdString(size) + "/apps";
        if (!QDir().mkpath(folder) || !skyfolio::programImage(side).save(folder + "/skyfolio.png")) {
            std::fprintf(stderr, "skyfolio-icon: could not write %s\n", qPrintable(folder + "/skyfolio.png"));
            return 1;
        }
    }
    return 0;
}
