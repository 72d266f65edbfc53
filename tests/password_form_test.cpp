#include "password/password_form.h"
#include "password/saver_behind_prompt.h"
#include "tests/support/widget_application.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skyfolio {
namespace {

// The saver behind the prompt: a stored password and a record of what the
// prompt asked of it, in order.
class FakeSaver : public SaverBehindPrompt {
public:
    std::string storedPassword() const override { return password; }
    void SwitchScreenSaverRunningOff() override { calls.push_back("switch off"); }
    void unloadForm() override { calls.push_back("unload Form1"); }
    void endProgram() override { calls.push_back("end"); }
    void resumeRunning() override { calls.push_back("resume"); }

    std::string password = "Secret";
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

class PasswordFormTest : public ::testing::Test {
protected:
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
    void stop() {
        form.show();
        QApplication::processEvents();
    }

    QLineEdit* password() { return form.findChild<QLineEdit*>("txtPassword"); }
    QPlainTextEdit* notes() { return form.findChild<QPlainTextEdit*>("txtNotes"); }
    QLabel* wrongPass() { return form.findChild<QLabel*>("wrongPass"); }

    QApplication& application = test::widgetApplication();  // before any widget
    FakeSaver saver;
    PasswordForm form{saver};
};

TEST_F(PasswordFormTest, LoadsWithItsFiveControls) {
    EXPECT_EQ(form.windowTitle(), "Password Protection");
    EXPECT_EQ(form.findChild<QLabel*>("lblMessage")->text(), "Message Board");
    EXPECT_EQ(form.findChild<QLabel*>("lblPassword")->text(), "Password");
    EXPECT_EQ(notes()->toPlainText(), " \n");
    EXPECT_EQ(password()->text(), "");
    EXPECT_EQ(wrongPass()->text(), "INVALID PASSWORD!");
    EXPECT_TRUE(wrongPass()->isHidden());

    type(password(), "abc");
    EXPECT_EQ(password()->displayText(), "***");
}

TEST_F(PasswordFormTest, ShownWithTheFocusInThePasswordBox) {
    stop();
    notes()->setFocus();
    pressKey(notes(), Qt::Key_Return);
    EXPECT_TRUE(form.isHidden());

    stop();
    EXPECT_EQ(form.focusWidget(), password());  // the box that has the focus once the window is active
}

TEST_F(PasswordFormTest, WrongPasswordsAreRefusedAndEnterOnTheEmptyBoxGoesBack) {
    stop();
    type(password(), "secret");  // differs in letter case only
    pressKey(password(), Qt::Key_Return);
    EXPECT_FALSE(wrongPass()->isHidden());
    EXPECT_EQ(password()->text(), "");
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(saver.calls.empty());

    type(password(), "S");  // the next key press takes the warning away
    EXPECT_TRUE(wrongPass()->isHidden());

    for (int attempt = 0; attempt < 1000; ++attempt) {
        password()->insert(QString(300, QChar(u'x')));
        pressKey(password(), Qt::Key_Return);
        ASSERT_EQ(password()->text(), "");
    }
    EXPECT_FALSE(wrongPass()->isHidden());
    EXPECT_TRUE(saver.calls.empty());

    pressKey(password(), Qt::Key_Return);
    EXPECT_TRUE(wrongPass()->isHidden());
    EXPECT_EQ(saver.calls, Calls{"resume"});
    EXPECT_TRUE(form.isHidden());
}

TEST_F(PasswordFormTest, TheRightPasswordEndsTheRunSwitchFirst) {
    stop();
    type(password(), "Secret");
    pressKey(password(), Qt::Key_Return);
    EXPECT_EQ(saver.calls, (Calls{"switch off", "unload Form1", "end"}));
    EXPECT_TRUE(form.isHidden());
    EXPECT_TRUE(wrongPass()->isHidden());
}

TEST_F(PasswordFormTest, LongAndNonAsciiPasswordsCompareExactly) {
    const QString stored = QString::fromUtf8("Grüße-日本-😀-").repeated(25);  // 300 characters and more
    saver.password = stored.toStdString();
    stop();

    type(password(), QString::fromUtf8("GRÜSSE"));
    pressKey(password(), Qt::Key_Return);
    EXPECT_FALSE(wrongPass()->isHidden());
    EXPECT_TRUE(saver.calls.empty());

    type(password(), stored);
    pressKey(password(), Qt::Key_Return);
    EXPECT_EQ(saver.calls, (Calls{"switch off", "unload Form1", "end"}));
}

TEST_F(PasswordFormTest, WithoutAStoredPasswordTheEmptyEntryEnds) {
    saver.password.clear();
    stop();
    type(password(), "x");
    pressKey(password(), Qt::Key_Return);
    EXPECT_TRUE(saver.calls.empty());
    pressKey(password(), Qt::Key_Return);
    EXPECT_EQ(saver.calls, (Calls{"switch off", "unload Form1", "end"}));
}

TEST_F(PasswordFormTest, TheBoardKeepsItsNoteBetweenStops) {
    stop();
    notes()->setPlainText(QString());
    type(notes(), QString::fromUtf8("Back at 3 – Zoë ☕"));
    type(password(), "half");
    pressKey(notes(), Qt::Key_Return);
    EXPECT_EQ(saver.calls, Calls{"resume"});
    EXPECT_TRUE(form.isHidden());

    stop();
    EXPECT_EQ(notes()->toPlainText(), QString::fromUtf8("Back at 3 – Zoë ☕"));  // Enter typed nothing
    EXPECT_EQ(password()->text(), "half");
    EXPECT_TRUE(form.isVisible());
}

TEST_F(PasswordFormTest, KeepsStandingWhenTheWindowManagerClosesIt) {
    stop();
    QCloseEvent fromWindowManager;
    QSpontaneKeyEvent::setSpontaneous(&fromWindowManager);
    QApplication::sendEvent(&form, &fromWindowManager);
    EXPECT_TRUE(form.isVisible());

    form.close();  // the program's own close still works
    EXPECT_TRUE(form.isHidden());
}

}  // namespace
}  // namespace skyfolio
