#include "dialog/form2.h"

#include "dialog/caption_fit.h"
#include "dialog/colour_value.h"
#include "dialog/control_placement.h"
#include "dialog/dialog_host.h"
#include "dialog/effects_tab.h"
#include "dialog/frm_about.h"
#include "dialog/image_files_tab.h"
#include "dialog/misc_tab.h"
#include "dialog/picture_list_limit.h"
#include "dialog/program_icon.h"
#include "dialog/save_checks.h"
#include "dialog/settled_value.h"
#include "dialog/slider_mappings.h"
#include "dialog/spin_control.h"
#include "dialog/tab_control.h"
#include "platform/watch_at_login.h"
#include "saver/effects.h"
#include "settings/line_break.h"
#include "settings/conversions.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace skyfolio {
namespace {

constexpr Twips kClientArea{0, 0, 7125, 6855};
constexpr int kProgressDesignMaximum = 100;
constexpr ValueRange kColourValues{0, 0xFFFFFF};

const QString kStatusLine = QStringLiteral("Choose your pictures and an effect, then press OK.");
const QString kVersionPanel = QStringLiteral("Skyfolio 2.0");
const std::string kImageProcessingError = "Image Processing Error. Please reload ";
const std::string kCacheNotReplaced = "The picture cache could not be replaced:";

ValueRange rangeOf(const SpinControl* spin) { return {spin->minimum(), spin->maximum()}; }
ValueRange rangeOf(const QSlider* slider) { return {slider->minimum(), slider->maximum()}; }
ValueRange rangeOf(const QComboBox* list) { return {0, list->count() - 1}; }
constexpr ValueRange kCheckBoxValues{0, 1};

}  // namespace

Form2::Form2(DialogHost& host)
    : imageFiles(new ImageFilesTab),
      effects(new EffectsTab),
      misc(new MiscTab),
      host_(host),
      pictureList_(*imageFiles, host),
      effectPanel_(*effects, settings_),
      optionControls_(*effects, *misc, settings_, host) {
    buildWindow();
}

Form2::~Form2() { delete about_; }

void Form2::buildWindow() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(" Skyfolio "));
    setWindowIcon(programIcon());
    setFont(designFont("MS Sans Serif", 8.25));

    menuBar = new QMenuBar(this);
    File = menuBar->addMenu(QStringLiteral("File"));
    AddFolder = File->addAction(QStringLiteral("Add Folder..."));
    File->addSeparator();
    Exit = File->addAction(QStringLiteral("Exit without Saving"));
    Save = File->addAction(QStringLiteral("Save"));
    About = menuBar->addMenu(QStringLiteral("About"));
    About21 = About->addAction(QStringLiteral("About Skyfolio"));
    online = menuBar->addMenu(QStringLiteral("Online"));
    download = online->addAction(QStringLiteral("Download Screen Savers and Shareware"));

    // The client area below the menu bar holds the controls at their design places.
    auto* client = new QWidget(this);
    client->setFixedSize(pixelRect(kClientArea).size());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Cancel first: it holds the focus when the window opens.
    Cancel = place(new QPushButton(QStringLiteral("&Cancel"), client), "Cancel", {5640, 5880, 1215, 375});
    Ok = place(new QPushButton(QStringLiteral("&OK"), client), "Ok", {4440, 5880, 1095, 375});
    for (QPushButton* button : {Cancel, Ok}) button->setAutoDefault(true);  // Enter presses the focused one
    SSTab1 = place(new TabControl(client), "SSTab1", kTabControlPlace);
    SSTab1->addTab(imageFiles, QStringLiteral("Image Files"));
    SSTab1->addTab(effects, QStringLiteral("Effects"));
    SSTab1->addTab(misc, QStringLiteral("Misc."));
    setTabOrder(Cancel, Ok);
    setTabOrder(Ok, SSTab1);

    ProgressBar1 = place(new QProgressBar(client), "ProgressBar1", {240, 6360, 6615, 195});
    ProgressBar1->setRange(0, kProgressDesignMaximum);
    ProgressBar1->setTextVisible(false);

    SS_StatusBar = place(new QStatusBar(client), "SS_StatusBar", {0, 6600, 7125, 255});
    SS_StatusBar->setSizeGripEnabled(false);
    SS_StatusBar->addWidget(new QLabel(kStatusLine), 1);
    SS_StatusBar->addPermanentWidget(new QLabel(kVersionPanel));
    new CaptionFit(client, client->rect());

    connect(Ok, &QPushButton::clicked, this, [this] { OK_Click(); });
    connect(Save, &QAction::triggered, this, [this] { Save_Click(); });
    connect(Cancel, &QPushButton::clicked, this, [this] { Cancel_Click(); });
    connect(Exit, &QAction::triggered, this, [this] { Cancel_Click(); });
    connect(AddFolder, &QAction::triggered, this, [this] { pictureList_.addFolder_Click(); });
    connect(About21, &QAction::triggered, this, [this] { About21_Click(); });
    connect(download, &QAction::triggered, this, [this] { download_Click(); });
}

void Form2::Form_Load() {
    centreOnScreen();
    ProgressBar1->hide();
    SettingsFile file(settingsFilePath());
    // When the folder cannot be written, the save says so; the dialog opens anyway.
    file.writeFirstRunEntries();
    readSettings(file);
    pictureList_.showCount();
    // Shown once the window is on the screen: however large the picture, the
    // window comes first.
    if (pictureList_.count() > 0) {
        pictureList_.selectQuietly(0);
        firstPictureDue_ = true;
    }
    Cancel->setFocus();
}

void Form2::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Posted, so that the window's first picture reaches the screen before
    // the preview's decoding begins.
    if (!std::exchange(firstPictureDue_, false)) return;
    QTimer::singleShot(0, this, [this] {
        if (pictureList_.count() > 0) pictureList_.List1_Click();
    });
}

void Form2::centreOnScreen() {
    adjustSize();
    const QRect screen = this->screen()->geometry();
    move(screen.x() + WholeDiv(screen.width() - width(), 2), screen.y() + WholeDiv(screen.height() - height(), 2));
}

// Every value goes into its setting text, then into its control, in this
// order; a control that changes runs its handler, which writes the text back.
// A value the controls cannot take gives the key's installed value instead.
void Form2::readSettings(const SettingsFile& file) {
    const auto read = [&](const SettingKey& key) -> std::string& { return settings_.*(key.text) = file.read(key); };

    read(keys::newTotal);
    const int copies = settledValue(read(keys::clonesOfImage), keys::clonesOfImage, rangeOf(effects->ClonesScroll));
    effects->ClonesScroll->setValue(copies);
    effects->ClonesText->setText(QString::number(copies));
    // The effect panel positions its sliders from these.
    settledValue(read(keys::imageSpeed), keys::imageSpeed, kImageSpeedRange);
    for (const SettingKey* key : {&keys::speedOfSplat, &keys::speedOfJump, &keys::deckGradient, &keys::psychGradient})
        settledValue(read(*key), *key, kFeature1Range);
    effects->ChangeImageScroll->setValue(
        settledValue(read(keys::nextImageTime), keys::nextImageTime, rangeOf(effects->ChangeImageScroll)));
    effects->IntroAmountScroll->setValue(
        settledValue(read(keys::introImageAmount), keys::introImageAmount, rangeOf(effects->IntroAmountScroll)));
    // Shown also when the value equals the design value and no handler ran.
    effects->ChangeImageText->setText(QString::number(effects->ChangeImageScroll->value()));
    effects->IntroAmountText->setText(QString::number(effects->IntroAmountScroll->value()));
    const bool neverChange = settledBoolean(read(keys::neverChange), keys::neverChange);
    (neverChange ? effects->NeverChangeOption2 : effects->NeverChangeOption1)->setChecked(true);
    effects->Feature2->setValue(settledValue(read(keys::changeNextImage), keys::changeNextImage, rangeOf(effects->Feature2)));
    misc->MouseSensitiveSlider->setValue(mouseSensitivityPosition(
        clampedValue(read(keys::mouseSensitivity), keys::mouseSensitivity, rangeOf(misc->MouseSensitiveSlider))));
    misc->showBackColour(colourOfValue(settledValue(read(keys::newBackColor), keys::newBackColor, kColourValues)));
    misc->showIdleWatch(read(keys::startWhenIdle), read(keys::idleMinutes));

    pictureList_.clear();
    const int total = settledValue(settings_.cfgImageTotal, keys::newTotal, {0, kMostPictures});
    for (int i = 0; i < total; ++i) pictureList_.append(file.readImage(DecimalText(i)));

    effects->TransitionsCbx->setCurrentIndex(
        settledValue(read(keys::effectMode), keys::effectMode, rangeOf(effects->TransitionsCbx)));
    effects->RndTranCheck->setChecked(settledValue(read(keys::randomEffect), keys::randomEffect, kCheckBoxValues) == 1);
    effects->CenterCheck->setChecked(settledValue(read(keys::centerImage), keys::centerImage, kCheckBoxValues) == 1);
    effects->ShrinkCheck->setChecked(
        settledValue(read(keys::fitLargePictures), keys::fitLargePictures, kCheckBoxValues) == 1);
    settledValue(read(keys::floatImageSpeed), keys::floatImageSpeed, kFloatSpeedRange);
    effectPanel_.loadSlideshowOptions(file);
    const QString password = QString::fromStdString(read(keys::saverPassword));
    misc->SS_password->setText(password);
    misc->SS_Confirm->setText(password);
    // Settled like the other check boxes: a text that the box shows as clear
    // must not switch protection on in the saver, which reads it leniently.
    const bool passwordOn = settledValue(read(keys::saverEnabled), keys::saverEnabled, kCheckBoxValues) == 1;
    misc->Password_enabled->setChecked(passwordOn);
    misc->enablePasswordFields(passwordOn);
    effects->EffectCbx->setCurrentIndex(settledValue(read(keys::mode), keys::mode, rangeOf(effects->EffectCbx)));
}

void Form2::OK_Click() { SaveSettings(); }

void Form2::Save_Click() { SaveSettings(); }

void Form2::Cancel_Click() { host_.endProgram(); }

void Form2::About21_Click() {
    if (!about_) about_ = new frmAbout(host_, *this);
    about_->show();
    about_->raise();
}

void Form2::download_Click() { host_.OpenWebPage(helpPageAddress()); }

void Form2::SaveSettings() {
    const std::string path = settingsFilePath();
    const std::vector<std::string> pictures = pictureList_.entries();
    settings_.cfgImageTotal = DecimalText(static_cast<int64_t>(pictures.size()));
    if (const std::optional<std::string> failure =
            failedSaveCheck(pictures, misc->Password_enabled->isChecked(), settings_.cfgPassword, settings_.confirmText)) {
        host_.showMessage(*failure);
        return;
    }
    // Float shows the user's own files; the cache keeps what it holds.
    std::optional<CacheReplacement> cache;
    const Effect* effect = findEffect(effects->EffectCbx->currentIndex());
    if (!effect || effect->usesCache()) cache.emplace(convertPictures(pictures));
    if (cache && !cache->ok) return;
    // The autostart entry goes first: one that cannot be changed leaves the
    // settings and the cache as they were.
    const bool startWhenIdle = misc->IdleStartCheck->isChecked();
    if (const WriteResult entry = startWhenIdle ? writeAutostartEntry() : removeAutostartEntry(); !entry) {
        host_.showMessage("The autostart entry " + autostartEntryPath() + " could not be changed:" +
                          std::string(kLineBreak) + entry.error);
        return;
    }
    // The new cache replaces the old one only once the settings that name its
    // pictures are on disk (files that replace nothing may go in before: no
    // settings file names them yet); a settings file that cannot be written
    // leaves both as they were.
    if (cache) {
        if (const WriteResult placed = cache->placeMissing(); !placed) {
            host_.showMessage(kCacheNotReplaced + std::string(kLineBreak) + placed.error);
            return;
        }
    }
    if (const WriteResult written = writeAllSettings(path, settings_, pictures); !written) {
        host_.showMessage("The settings file " + path + " could not be written:" + std::string(kLineBreak) +
                          written.error);
        return;
    }
    if (cache) {
        if (const WriteResult moved = cache->commit(); !moved) {
            host_.showMessage(kCacheNotReplaced + std::string(kLineBreak) + moved.error);
            return;
        }
    }
    if (startWhenIdle)
        startIdleWatch();
    else
        endIdleWatch();
    host_.endProgram();
}

CacheReplacement Form2::convertPictures(const std::vector<std::string>& pictures) {
    ProgressBar1->setRange(0, static_cast<int>(pictures.size()));
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    // The window keeps painting while the pictures convert, but takes no
    // input: a second click on OK must not start a second save.
    setEnabled(false);
    CacheReplacement cache = prepareCache(pictures, [this](int done) {
        ProgressBar1->setValue(done);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    // Input that waited meanwhile reaches a disabled window and is dropped.
    QCoreApplication::processEvents();
    setEnabled(true);
    if (cache.ok) return cache;

    // The picture to reload, then why, since the cause may lie elsewhere (a
    // cache folder that cannot be written).
    const std::string lineBreak(kLineBreak);
    host_.showMessage(kImageProcessingError + lineBreak + pictures[cache.failedPicture] + lineBreak + lineBreak +
                      cache.error);
    ProgressBar1->hide();
    return cache;
}

void Form2::closeEvent(QCloseEvent* event) {
    // No closing halfway through a save.
    if (isEnabled())
        event->accept();
    else
        event->ignore();
}

}  // namespace skyfolio
