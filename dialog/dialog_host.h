#pragma once

#include <QColor>

#include <optional>
#include <string>
#include <vector>

namespace skyfolio {

// What the settings dialog asks of the desktop: the Qt implementation in the
// program, a scripted fake in the tests. Every call waits for the user.
class DialogHost {
public:
    virtual ~DialogHost() = default;

    // The system's message box: exclamation icon, OK button, the program's title.
    virtual void showMessage(const std::string& text) = 0;
    // The same box with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    // An open-file dialog for one existing file. `filters` are Qt's name
    // filters ("Description (*.a *.b)"), filter `selected` preselected.
    // Nothing when the user cancels.
    virtual std::optional<std::string> chooseFile(const std::string& title, const std::vector<std::string>& filters,
                                                  int selected) = 0;
    // A dialog for one existing folder. Nothing when the user cancels.
    virtual std::optional<std::string> chooseFolder(const std::string& title) = 0;
    // The colour dialog, opened on `current`. Nothing when the user cancels.
    virtual std::optional<QColor> chooseColour(QColor current) = 0;
    // Hands an address to the desktop, which opens it in the user's browser.
    // Returns whether the desktop took it; no caller looks.
    virtual bool OpenWebPage(const std::string& address) = 0;
    // Closes every window of the program and ends it.
    virtual void endProgram() = 0;
};

}  // namespace skyfolio
