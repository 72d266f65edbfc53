#pragma once

#include "dialog/form2.h"
#include "settings/setting_keys.h"
#include "tests/support/fake_dialog_host.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace skyfolio::test {

// The settings window over a settings file in a fresh program folder, with a
// scripted desktop.
class SettingsDialogTest : public ::testing::Test {
protected:
    using Strings = std::vector<std::string>;
    using Values = std::map<const SettingKey*, std::string>;

    void SetUp() override;

    // The settings file as a save leaves it: installed values unless given,
    // and the pictures listed.
    void saveFile(const Values& values, const Strings& pictures);
    // Small pictures in the program folder.
    Strings pictures(int count);
    // A fresh window over the file, loaded, not yet shown.
    Form2& load();
    // Shows the window and waits until its first picture has had its turn.
    void appear();
    // The list as its entries read.
    Strings listed() const;

    QtApplication qt;
    TempFolder folder;
    FakeDialogHost host;
    std::unique_ptr<Form2> form;
};

}  // namespace skyfolio::test
