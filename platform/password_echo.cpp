#include "platform/password_echo.h"

#include <QLineEdit>

namespace skyfolio {

void echoAsAsterisks(QLineEdit& field) {
    field.setEchoMode(QLineEdit::Password);
    field.setStyleSheet(QStringLiteral("lineedit-password-character: %1").arg(int(u'*')));
}

}  // namespace skyfolio
