#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace skyfolio {

class DialogHost;

// The About box: the program's name and version and a way to its help page.
// It is not modal and closes itself when dismissed.
class frmAbout : public QDialog {
public:
    // `settingsWindow` is brought back to the front when the box closes.
    frmAbout(DialogHost& host, QWidget& settingsWindow);

    void Website_Click();
    void cmdOK_Click();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion0;
    QLabel* lblVersion1;
    QPushButton* Website;
    QPushButton* cmdOK;

private:
    DialogHost& host_;
    QWidget& settingsWindow_;
};

}  // namespace skyfolio
