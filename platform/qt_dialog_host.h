#pragma once

#include "dialog/dialog_host.h"

#include <QStringList>

class QWidget;

namespace skyfolio {

// The settings dialog's desktop: Qt's message boxes, file and colour dialogs,
// and the desktop's opener for addresses.
class QtDialogHost : public DialogHost {
public:
    // The window the boxes and dialogs belong to and are centred on.
    void setOwner(QWidget* owner) { owner_ = owner; }

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    std::optional<std::string> chooseFile(const std::string& title, const std::string& filters) override;
    std::optional<QColor> chooseColour(QColor current) override;
    bool OpenWebPage(const std::string& address) override;
    void endProgram() override;

private:
    QWidget* owner_ = nullptr;
};

// "Jpeg Files (*.jpg)|*.jpg|..." as Qt's name filters, each pair's patterns
// separated by blanks.
QStringList qtNameFilters(const std::string& filters);

}  // namespace skyfolio
