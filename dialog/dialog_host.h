#pragma once

#include <QColor>

#include <optional>
#include <string>

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
    // An open-file dialog for one existing file. `filters` is the classic
    // "description|patterns|description|patterns" text, patterns separated by
    // ";"; the first pair is preselected. Nothing when the user cancels.
    virtual std::optional<std::string> chooseFile(const std::string& title, const std::string& filters) = 0;
    // The colour dialog, opened on `current`. Nothing when the user cancels.
    virtual std::optional<QColor> chooseColour(QColor current) = 0;
    // Hands an address to the desktop, which opens it in the user's browser.
    // Returns whether the desktop took it; no caller looks.
    virtual bool OpenWebPage(const std::string& address) = 0;
    // Closes every window of the program and ends it.
    virtual void endProgram() = 0;
};

}  // namespace skyfolio
