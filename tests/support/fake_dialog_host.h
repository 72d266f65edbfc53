#pragma once

#include "dialog/dialog_host.h"

#include <string>
#include <vector>

namespace skyfolio::test {

// The settings dialog's desktop as the tests see it: scripted answers and a
// record of everything asked, in order.
class FakeDialogHost : public DialogHost {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text) override {
        questions.push_back(text);
        return answerYes;
    }
    std::optional<std::string> chooseFile(const std::string& title, const std::vector<std::string>& filters,
                                          int selected) override {
        fileDialogTitle = title;
        fileDialogFilters = filters;
        fileDialogSelected = selected;
        return fileToChoose;
    }
    std::optional<std::string> chooseFolder(const std::string& title) override {
        folderDialogTitle = title;
        return folderToChoose;
    }
    std::optional<QColor> chooseColour(QColor current) override {
        colourOffered = current;
        return colourToChoose;
    }
    bool OpenWebPage(const std::string& address) override {
        openedAddresses.push_back(address);
        return true;
    }
    void endProgram() override { ended = true; }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answerYes = true;
    std::string fileDialogTitle;
    std::vector<std::string> fileDialogFilters;
    int fileDialogSelected = -1;
    std::optional<std::string> fileToChoose;
    std::string folderDialogTitle;
    std::optional<std::string> folderToChoose;
    QColor colourOffered;
    std::optional<QColor> colourToChoose;
    std::vector<std::string> openedAddresses;
    bool ended = false;
};

}  // namespace skyfolio::test
