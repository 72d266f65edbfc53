#include "tests/support/qt_application.h"

#include <QApplication>

namespace skyfolio::test {

void ensureQtApplication() {
    static int argc = 1;
    static char name[] = "skyfolio-tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit, Qt's own statics (the input devices) may
    // already be gone, and destroying the application after them crashes.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

}  // namespace skyfolio::test
