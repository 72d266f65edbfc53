#include "password/password_form.h"

namespace skyfolio {

PasswordForm::PasswordForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Password Protection"));
}

}  // namespace skyfolio
