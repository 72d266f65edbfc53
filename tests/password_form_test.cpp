#include "password/password_form.h"
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
    // The prompt, built on the first stop as the saver builds it.
    PasswordForm& prompt() {
        if (!prompt_) prompt_ = std::make_unique<PasswordForm>(password, host, window);
        return *prompt_;
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
        prompt().show();
        QApplication::processEvents();
    }

    QLineEdit* passwordBox() { return prompt().findChild<QLineEdit*>("txtPassword"); }
    QPlainTextEdit* notes() { return prompt().findChild<QPlainTextEdit*>("txtNotes"); }
    QLabel* wrongPass() { return prompt().findChild<QLabel*>("wrongPass"); }

    // The right password: the program ended.
    void expectEnded() {
        EXPECT_TRUE(host.ended);
        EXPECT_EQ(host.unloads, 1);
        EXPECT_TRUE(prompt().isHidden());
    }
    void expectStillPrompting() {
        EXPECT_FALSE(host.ended);
        EXPECT_EQ(host.unloads, 0);
        EXPECT_EQ(window.shows, 0);
        EXPECT_TRUE(prompt().isVisible());
    }
    // Back to the saver as at start: the pointer out of sight, the windows
    // shown, enabled and topmost; the prompt hidden, nothing ended.
    void expectResumed() {
        EXPECT_FALSE(host.ended);
        EXPECT_EQ(window.pointerMoves, 1);
        EXPECT_EQ(window.shows, 1);
        EXPECT_TRUE(window.inputEnabled);
        EXPECT_TRUE(window.topmost);
        EXPECT_TRUE(prompt().isHidden());
    }

    test::QtApplication application;  // before any widget
    test::FakeSaverHost host;
    test::FakeFormWindow window;
    std::string password = "Secret";

private:
    std::unique_ptr<PasswordForm> prompt_;
};

TEST_F(PasswordFormTest, LoadsWithItsFiveControls) {
    EXPECT_EQ(prompt().windowTitle(), "Password Protection");
    EXPECT_EQ(prompt().findChild<QLabel*>("lblMessage")->text(), "Message Board");
    EXPECT_EQ(prompt().findChild<QLabel*>("lblPassword")->text(), "Password");
    EXPECT_EQ(notes()->toPlainText(), " \n");
    EXPECT_EQ(passwordBox()->text(), "");
    EXPECT_EQ(wrongPass()->text(), "INVALID PASSWORD!");
    EXPECT_TRUE(wrongPass()->isHidden());

    type(passwordBox(), "abc");
    EXPECT_EQ(passwordBox()->displayText(), "***");
}

TEST_F(PasswordFormTest, WrongPasswordsAreRefusedAndEnterOnTheEmptyBoxGoesBack) {
    stop();
    type(passwordBox(), "secret");  // differs in letter case only
    pressKey(passwordBox(), Qt::Key_Return);
    EXPECT_FALSE(wrongPass()->isHidden());
    EXPECT_EQ(passwordBox()->text(), "");
    expectStillPrompting();

    type(passwordBox(), "S");  // the next key press takes the warning away
    EXPECT_TRUE(wrongPass()->isHidden());

    for (int attempt = 0; attempt < 1000; ++attempt) {
        passwordBox()->insert(QString(300, QChar(u'x')));
        pressKey(passwordBox(), Qt::Key_Return);
        ASSERT_EQ(passwordBox()->text(), "");
    }
    EXPECT_FALSE(wrongPass()->isHidden());
    expectStillPrompting();

    pressKey(passwordBox(), Qt::Key_Return);
    EXPECT_TRUE(wrongPass()->isHidden());
    expectResumed();
}

TEST_F(PasswordFormTest, TheRightPasswordEndsTheRunLongAndNonAsciiOnesToo) {
    const QString stored = QString::fromUtf8("Grüße-日本-😀-").repeated(30);  // 300 characters and more
    password = stored.toStdString();
    stop();

    type(passwordBox(), QString::fromUtf8("GRÜSSE"));
    pressKey(passwordBox(), Qt::Key_Return);
    EXPECT_FALSE(wrongPass()->isHidden());
    expectStillPrompting();

    type(passwordBox(), stored);
    pressKey(passwordBox(), Qt::Key_Return);
    expectEnded();
}

TEST_F(PasswordFormTest, WithoutAStoredPasswordTheEmptyEntryEnds) {
    password.clear();
    stop();
    type(passwordBox(), "x");
    pressKey(passwordBox(), Qt::Key_Return);
    expectStillPrompting();
    pressKey(passwordBox(), Qt::Key_Return);
    expectEnded();
}

TEST_F(PasswordFormTest, TheBoardKeepsItsNoteBetweenStops) {
    stop();
    notes()->setFocus();
    notes()->setPlainText(QString());
    type(notes(), QString::fromUtf8("Back at 3 – Zoë ☕"));
    type(passwordBox(), "half");
    pressKey(notes(), Qt::Key_Return);
    expectResumed();

    stop();
    EXPECT_EQ(notes()->toPlainText(), QString::fromUtf8("Back at 3 – Zoë ☕"));  // Enter typed nothing
    EXPECT_EQ(passwordBox()->text(), "half");
    // The box that has the focus once the window is active.
    EXPECT_EQ(prompt().focusWidget(), passwordBox());
    EXPECT_TRUE(prompt().isVisible());
}

TEST_F(PasswordFormTest, KeepsStandingWhenTheWindowManagerClosesIt) {
    stop();
    QCloseEvent fromWindowManager;
    QSpontaneKeyEvent::setSpontaneous(&fromWindowManager);
    QApplication::sendEvent(&prompt(), &fromWindowManager);
    EXPECT_TRUE(prompt().isVisible());

    prompt().close();  // the program's own close still works
    EXPECT_TRUE(prompt().isHidden());
}

}  // namespace
}  // namespace skyfolio
