#include "tests/support/qt_application.h"

#include <QApplication>

namespace skyfolio::test {

void ensureQtApplication() {
    static int argc = 1;
    static char name[] = "skyfolio-tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

}  // namespace skyfolio::test
