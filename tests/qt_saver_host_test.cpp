#include "platform/qt_saver_host.h"
#include "tests/support/qt_application.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

TEST(QtSaverHostTest, UnloadingRunsItsActionAndEndingIsRemembered) {
    test::QtApplication qt;
    int unloads = 0;
    QtSaverHost host;
    host.onUnload([&] { ++unloads; });

    host.unloadForm();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(host.ended());
    host.endProgram();  // before any event loop runs: the start-up must see it
    EXPECT_TRUE(host.ended());
    EXPECT_EQ(unloads, 2);
    // The loop that starts afterwards ends at once.
    QTimer::singleShot(5000, [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

// Two screens that fail one after the other: one message, answered once.
TEST(QtSaverHostTest, TheProgramEndsOnlyOnceItsOneMessageIsAnswered) {
    test::QtApplication qt;
    QtSaverHost host;
    for (const char* text : {"gone.jpg\ndoes not exist!", "gone.jpg\nagain"}) {
        host.unloadForm();
        host.showMessage(text);
        host.endProgram();
    }
    int messages = 0;
    bool runningWhileAsked = false;
    QTimer::singleShot(50, [&] {
        QMessageBox* message = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) {
                message = box;
                ++messages;
            }
        runningWhileAsked = message != nullptr;
        if (message) message->accept();
    });
    QTimer::singleShot(5000, [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(runningWhileAsked);
    EXPECT_EQ(messages, 1);
}

}  // namespace
}  // namespace skyfolio
