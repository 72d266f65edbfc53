#pragma once

#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace skyfolio {

class FormWindow;
class SaverHost;

// The prompt that stands between a stopped, password-protected saver and the
// desktop, with a message board on which a passer-by can leave a note. It is
// built once, on the first stop, and then only shown and hidden, so the note
// stays for as long as the saver runs.
//
// This is a prompt in front of a screen saver, not a lock of the session.
class PasswordForm : public QWidget {
    Q_OBJECT

public:
    // The password that ends the saver, and the running saver behind the
    // prompt: the host, which ends the program, and the saver's windows.
    PasswordForm(std::string password, SaverHost& host, FormWindow& window, QWidget* parent = nullptr);

    void Form_Load();
    // KeyAscii is the character a key press types, 13 for Enter.
    void txtPassword_KeyPress(int KeyAscii);
    void txtNotes_KeyPress(int KeyAscii);
    void CheckPassword();
    void ResumeSaver();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void placeOnScreen();

    std::string password_;
    SaverHost& host_;
    FormWindow& window_;
    QLabel* lblMessage;
    QPlainTextEdit* txtNotes;
    QLabel* lblPassword;
    QLineEdit* txtPassword;
    QLabel* wrongPass;
};

}  // namespace skyfolio
