#include "password/password_form.h"

#include "password/form_window.h"
#include "platform/password_echo.h"
#include "saver/saver_host.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <optional>

namespace skyfolio {
namespace {

constexpr int kEnter = 13;
constexpr int kPromptWidthPixels = 360;
constexpr int kBoardLines = 6;

// The character a key press types, as the prompt's handlers see it: Enter is
// 13, and keys that type nothing (Shift alone, arrows) are no key press at all.
std::optional<int> keyAscii(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return kEnter;
    if (key.text().isEmpty()) return std::nullopt;
    return key.text().front().unicode();
}

QLabel* label(const char* name, const char* text, QWidget* parent) {
    auto* control = new QLabel(QString::fromUtf8(text), parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

PasswordForm::PasswordForm(std::string password, SaverHost& host, FormWindow& window, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      password_(std::move(password)),
      host_(host),
      window_(window),
      lblMessage(label("lblMessage", "Message Board", this)),
      txtNotes(new QPlainTextEdit(QStringLiteral(" \n"), this)),
      lblPassword(label("lblPassword", "Password", this)),
      txtPassword(new QLineEdit(this)),
      wrongPass(label("wrongPass", "INVALID PASSWORD!", this)) {
    setObjectName(QStringLiteral("PasswordForm"));
    setWindowTitle(QStringLiteral("Password Protection"));
    // Standing inside a saver window, it paints its own background.
    setAutoFillBackground(true);

    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setTabChangesFocus(true);
    txtNotes->setFixedHeight(txtNotes->fontMetrics().lineSpacing() * kBoardLines);
    txtNotes->installEventFilter(this);

    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    echoAsAsterisks(*txtPassword);
    txtPassword->installEventFilter(this);

    QPalette warning = wrongPass->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    wrongPass->setPalette(warning);
    QFont bold = wrongPass->font();
    bold.setBold(true);
    wrongPass->setFont(bold);
    wrongPass->setAlignment(Qt::AlignCenter);
    // The window keeps its size when the warning comes and goes.
    QSizePolicy keepPlace = wrongPass->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    wrongPass->setSizePolicy(keepPlace);
    wrongPass->hide();

    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(lblPassword);
    passwordRow->addWidget(txtPassword, 1);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblMessage);
    column->addWidget(txtNotes);
    column->addLayout(passwordRow);
    column->addWidget(wrongPass);
    setFixedWidth(kPromptWidthPixels);
    // A prompt standing on a primary screen that went, or stopped being
    // the primary, moves to the new one.
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this] {
        if (isVisible()) placeOnScreen();
    });

    Form_Load();
}

void PasswordForm::Form_Load() { txtPassword->clear(); }

void PasswordForm::txtPassword_KeyPress(int KeyAscii) {
    wrongPass->hide();
    if (KeyAscii != kEnter) return;
    // Without a stored password only the empty entry matches; taking it as
    // the way back would leave no way out of the saver.
    if (txtPassword->text().isEmpty() && !password_.empty())
        ResumeSaver();
    else
        CheckPassword();
}

void PasswordForm::txtNotes_KeyPress(int KeyAscii) {
    if (KeyAscii == kEnter) ResumeSaver();
}

void PasswordForm::CheckPassword() {
    if (txtPassword->text().toStdString() != password_) {
        wrongPass->show();
        txtPassword->clear();
        return;
    }
    hide();
    host_.unloadForm();
    host_.endProgram();
}

void PasswordForm::ResumeSaver() {
    window_.movePointerOutOfSight();
    // Enabled first: a disabled window cannot take the keyboard focus.
    window_.setInputEnabled(true);
    window_.showForm();
    window_.placeWindow(true);
    hide();
}

bool PasswordForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != txtPassword && watched != txtNotes))
        return QWidget::eventFilter(watched, event);
    const std::optional<int> typed = keyAscii(*static_cast<QKeyEvent*>(event));
    if (!typed) return false;
    if (watched == txtPassword)
        txtPassword_KeyPress(*typed);
    else
        txtNotes_KeyPress(*typed);
    return *typed == kEnter;  // Enter answers the prompt; it types nothing into either box
}

void PasswordForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    placeOnScreen();
    raise();
    activateWindow();
    txtPassword->setFocus();
}

// A window manager's close button would hide the prompt and leave the saver
// disabled behind it, taking no input at all; the ways back are Enter.
void PasswordForm::closeEvent(QCloseEvent* event) {
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

// On the primary screen, where the keyboard and the pointer are; inside
// the saver window that covers it, where a window system stacks it there.
void PasswordForm::placeOnScreen() {
    adjustSize();
    const QRect screen = isWindow() ? QGuiApplication::primaryScreen()->geometry() : parentWidget()->rect();
    move(screen.center() - rect().center());
}

}  // namespace skyfolio
