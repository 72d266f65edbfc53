#pragma once

#include "dialog/cache_replacement.h"
#include "dialog/effect_panel.h"
#include "dialog/option_controls.h"
#include "dialog/picture_list.h"
#include "dialog/working_copy.h"

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QStatusBar;

namespace skyfolio {

class DialogHost;
class EffectsTab;
class ImageFilesTab;
class MiscTab;
class SettingsFile;
class TabControl;
class frmAbout;

// The settings window: three tabs of options over the settings file. Nothing
// reaches the file before the user saves, and a save that succeeds ends the
// program.
class Form2 : public QWidget {
public:
    explicit Form2(DialogHost& host);
    ~Form2() override;

    // Fills the controls from the settings file; call once, before showing.
    // The first picture of the list is shown once the window has appeared.
    void Form_Load();
    bool firstPictureDue() const { return firstPictureDue_; }

    void OK_Click();
    void Save_Click();
    // Also the handler of the menu item Exit.
    void Cancel_Click();
    void About21_Click();
    void download_Click();
    void SaveSettings();

    ImageFilesTab* imageFiles;
    EffectsTab* effects;
    MiscTab* misc;
    QMenuBar* menuBar;
    QMenu* File;
    QAction* AddFolder;
    QAction* Exit;
    QAction* Save;
    QMenu* About;
    QAction* About21;
    QMenu* online;
    QAction* download;
    TabControl* SSTab1;
    QProgressBar* ProgressBar1;
    QPushButton* Ok;
    QPushButton* Cancel;
    QStatusBar* SS_StatusBar;

private:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    void buildWindow();
    void centreOnScreen();
    void readSettings(const SettingsFile& file);
    // The new picture cache for the list, not yet in place; after its
    // message when it failed.
    CacheReplacement convertPictures(const std::vector<std::string>& pictures);

    DialogHost& host_;
    WorkingCopy settings_;
    PictureList pictureList_;
    EffectPanel effectPanel_;
    OptionControls optionControls_;
    QPointer<frmAbout> about_;
    bool firstPictureDue_ = false;
};

}  // namespace skyfolio
