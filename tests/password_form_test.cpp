#include "password/password_form.h"
#include "platform/units.h"
#include "saver/form1.h"
#include "tests/support/fake_form_window.h"
#include "tests/support/fake_saver_host.h"
#include "tests/support/qt_application.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace skyfolio {
namespace {

class PasswordFormTest : public ::testing::Test {
protected:
    // A saver as set-up leaves it with protection on, on the older platform
    // family, where the running switch is turned on.
    PasswordFormTest() {
        form.cfgPassword = "Secret";
        form.cfgPasswordOn = "1";
        form.platformId = 1;
        form.SwitchScreenSaverRunningOn();
    }

    // One key press per character, as the keyboard delivers them.
    static void type(QWidget* box, const QString& text) {
        for (const char32_t c : text.toUcs4()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&c, 1));
            QApplication::sendEvent(box, &press);
        }
    }
    static void pressKey(QWidget* box, Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Return ? QStringLiteral("\r") : QString());
        QApplication::sendEvent(box, &press);
    }
    // A stop as the input watch makes it: the saver disabled and no longer
    // topmost, the prompt shown.
    void stop() {
        window.inputEnabled = false;
        window.topmost = false;
        prompt.show();
        QApplication::processEvents();
    }

    QLineEdit* password() { return prompt.findChild<QLineEdit*>("txtPassword"); }
    QPlainTextEdit* notes() { return prompt.findChild<QPlainTextEdit*>("txtNotes"); }
    QLabel* wrongPass() { return prompt.findChild<QLabel*>("wrongPass"); }

    // The right password: the program ended, and the screen-saver-running
    // switch that set-up turned on turned off again.
    void expectEnded() {
        EXPECT_TRUE(host.ended);
        EXPECT_EQ(host.screenSaverSwitch, (std::vector<bool>{true, false}));
        EXPECT_TRUE(prompt.isHidden());
    }
    void expectStillPrompting() {
        EXPECT_FALSE(host.ended);
        EXPECT_EQ(host.unloads, 0);
        EXPECT_EQ(host.screenSaverSwitch, std::vector<bool>{true});
        EXPECT_EQ(window.shows, 0);
        EXPECT_TRUE(prompt.isVisible());
    }
    // Back to the saver as at start: pointer beyond the far corner, the
    // window shown, enabled and topmost; the prompt hidden, nothing ended.
    void expectResumed(std::pair<int, int> pointer = {810, 610}) {
        EXPECT_FALSE(host.ended);
        EXPECT_EQ(window.cursor, pointer);
        EXPECT_EQ(window.shows, 1);
        EXPECT_TRUE(window.inputEnabled);
        EXPECT_TRUE(window.topmost);
        EXPECT_TRUE(prompt.isHidden());
    }

    test::QtApplication application;  // before any widget
    test::FakeSaverHost host;
    test::FakeFormWindow window;
    test::ScriptedRandom random;
    Form1 form{host, random};
    PasswordForm prompt{form, host, window};
};

TEST_F(PasswordFormTest, LoadsWithItsFiveControls) {
    EXPECT_EQ(prompt.windowTitle(), "Password Protection");
    EXPECT_EQ(prompt.findChild<QLabel*>("lblMessage")->text(), "Message Board");
    EXPECT_EQ(prompt.findChild<QLabel*>("lblPassword")->text(), "Password");
    EXPECT_EQ(notes()->toPlainText(), " \n");
    EXPECT_EQ(password()->text(), "");
    EXPECT_EQ(wrongPass()->text(), "INVALID PASSWORD!");
    EXPECT_TRUE(wrongPass()->isHidden());

    type(password(), "abc");
    EXPECT_EQ(password()->displayText(), "***");
}

TEST_F(PasswordFormTest, WrongPasswordsAreRefusedAndEnterOnTheEmptyBoxGoesBack) {
    stop();
    type(password(), "secret");  // differs in letter case only
    pressKey(password(), Qt::Key_Return);
    EXPECT_FALSE(wrongPass()->isHidden());
    EXPECT_EQ(password()->text(), "");
    expectStillPrompting();

    type(password(), "S");  // the next key press takes the warning away
    EXPECT_TRUE(wrongPass()->isHidden());

    for (int attempt = 0; attempt < 1000; ++attempt) {
        password()->insert(QString(300, QChar(u'x')));
        pressKey(password(), Qt::Key_Return);
        ASSERT_EQ(password()->text(), "");
    }
    EXPECT_FALSE(wrongPass()->isHidden());
    expectStillPrompting();

    pressKey(password(), Qt::Key_Return);
    EXPECT_TRUE(wrongPass()->isHidden());
    expectResumed();
}

TEST_F(PasswordFormTest, TheRightPasswordEndsTheRunLongAndNonAsciiOnesToo) {
    const QString stored = QString::fromUtf8("Grüße-日本-😀-").repeated(30);  // 300 characters and more
    form.cfgPassword = stored.toStdString();
    stop();

    type(password(), QString::fromUtf8("GRÜSSE"));
    pressKey(password(), Qt::Key_Return);
    EXPECT_FALSE(wrongPass()->isHidden());
    expectStillPrompting();

    type(password(), stored);
    pressKey(password(), Qt::Key_Return);
    expectEnded();
}

TEST_F(PasswordFormTest, WithoutAStoredPasswordTheEmptyEntryEnds) {
    form.cfgPassword.clear();
    stop();
    type(password(), "x");
    pressKey(password(), Qt::Key_Return);
    expectStillPrompting();
    pressKey(password(), Qt::Key_Return);
    expectEnded();
}

TEST_F(PasswordFormTest, TheBoardKeepsItsNoteBetweenStops) {
    form.scaleInTwips = true;  // Float: Form1 measures in twips
    stop();
    notes()->setFocus();
    notes()->setPlainText(QString());
    type(notes(), QString::fromUtf8("Back at 3 – Zoë ☕"));
    type(password(), "half");
    pressKey(notes(), Qt::Key_Return);
    expectResumed({800 * kTwipsPerPixel + 10, 600 * kTwipsPerPixel + 10});

    stop();
    EXPECT_EQ(notes()->toPlainText(), QString::fromUtf8("Back at 3 – Zoë ☕"));  // Enter typed nothing
    EXPECT_EQ(password()->text(), "half");
    // The box that has the focus once the window is active.
    EXPECT_EQ(prompt.focusWidget(), password());
    EXPECT_TRUE(prompt.isVisible());
}

TEST_F(PasswordFormTest, KeepsStandingWhenTheWindowManagerClosesIt) {
    stop();
    QCloseEvent fromWindowManager;
    QSpontaneKeyEvent::setSpontaneous(&fromWindowManager);
    QApplication::sendEvent(&prompt, &fromWindowManager);
    EXPECT_TRUE(prompt.isVisible());

    prompt.close();  // the program's own close still works
    EXPECT_TRUE(prompt.isHidden());
}

}  // namespace
}  // namespace skyfolio
