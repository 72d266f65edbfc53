#pragma once

#include <QWidget>

namespace skyfolio {

// The password prompt that opens above the protected saver.
class PasswordForm : public QWidget {
public:
    explicit PasswordForm(QWidget* parent = nullptr);
};

}  // namespace skyfolio
