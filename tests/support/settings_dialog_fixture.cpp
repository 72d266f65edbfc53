#include "tests/support/settings_dialog_fixture.h"

#include "dialog/image_files_tab.h"
#include "dialog/picture_list_box.h"
#include "files/program_folder.h"
#include "settings/settings_file.h"
#include "tests/support/widgets.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>

namespace skyfolio::test {
namespace {

// Generous: other builds may share the machine.
constexpr qint64 kLongestWaitMs = 30000;

}  // namespace

void SettingsDialogTest::SetUp() { setProgramFolder(folder.path()); }

void SettingsDialogTest::saveFile(const Values& values, const Strings& pictures) {
    SettingTexts texts;
    for (const SettingKey* key : kSettingKeysInFileOrder) texts.*(key->text) = std::string(key->installedValue);
    texts.cfgImageTotal = std::to_string(pictures.size());
    for (const auto& [key, value] : values) texts.*(key->text) = value;
    ASSERT_TRUE(writeAllSettings(settingsFilePath(), texts, pictures));
}

SettingsDialogTest::Strings SettingsDialogTest::pictures(int count) {
    Strings paths;
    for (int i = 0; i < count; ++i)
        paths.push_back(writePicture(folder.file("picture " + std::to_string(i) + ".jpg"), 90, 60));
    return paths;
}

Form2& SettingsDialogTest::load() {
    form = std::make_unique<Form2>(host);
    form->Form_Load();
    return *form;
}

void SettingsDialogTest::appear() {
    form->show();
    QElapsedTimer waited;
    waited.start();
    while (form->firstPictureDue() && waited.elapsed() < kLongestWaitMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    // The first picture's turn comes after the window's first paint.
    QCoreApplication::processEvents();
}

SettingsDialogTest::Strings SettingsDialogTest::listed() const {
    Strings texts;
    for (int i = 0; i < form->imageFiles->List1->count(); ++i)
        texts.push_back(form->imageFiles->List1->item(i)->text().toStdString());
    return texts;
}

}  // namespace skyfolio::test
