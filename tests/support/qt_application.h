#pragma once

#include <QApplication>

namespace skyfolio::test {

// The application object of a test that needs widgets or an event loop, for
// the length of that test: made before the test's objects, gone before the
// program's static clean-up, which must not see it.
class QtApplication {
public:
    QtApplication() : app_(argc_, argv_) {}

private:
    int argc_ = 1;
    char name_[15] = "skyfolio-tests";
    char* argv_[2] = {name_, nullptr};
    QApplication app_;
};

}  // namespace skyfolio::test
