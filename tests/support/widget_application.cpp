#include "tests/support/widget_application.h"

#include <QApplication>

namespace skyfolio::test {

QApplication& widgetApplication() {
    static int argc = 1;
    static char name[] = "skyfolio-tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics may already be gone.
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

}  // namespace skyfolio::test
