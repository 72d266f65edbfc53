#pragma once

#include "dialog/dialog_host.h"

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
    std::optional<std::string> chooseFile(const std::string& title, const std::vector<std::string>& filters,
                                          int selected) override;
    std::optional<std::string> chooseFolder(const std::string& title) override;
    std::optional<QColor> chooseColour(QColor current) override;
    bool OpenWebPage(const std::string& address) override;
    void endProgram() override;

private:
    QWidget* owner_ = nullptr;
};

}  // namespace skyfolio
