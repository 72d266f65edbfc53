#include "settings/saver_settings.h"
#include "settings/setting_keys.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

SettingTexts installedTexts() {
    SettingTexts texts;
    for (const SettingKey* key : kSettingKeysInFileOrder) texts.*(key->text) = key->installedValue;
    return texts;
}

SaverSettings convert(const SettingTexts& texts) {
    return convertSaverSettings(texts, [](int index) { return "/pictures/" + std::to_string(index) + ".jpg"; });
}

TEST(SaverSettingsTest, EachKeyIsConvertedOnceByItsOwnConversion) {
    SettingTexts texts = installedTexts();
    texts.cfgEffect = " 6 and more";  // a leading number
    texts.cfgImageSpeed = " 35 ";     // strict: blanks around it are fine
    texts.cfgNeverChange = "true";
    texts.cfgPassword = " Secret ";
    const SaverSettings s = convert(texts);
    EXPECT_EQ(s.cfgEffect, 6);
    EXPECT_EQ(*s.cfgImageSpeed, 35);
    EXPECT_TRUE(*s.cfgNeverChange);
    EXPECT_EQ(s.cfgPassword, " Secret ");
    EXPECT_EQ(s.cfgCopies, 10);
    EXPECT_EQ(*s.imageFiles, (std::vector<std::string>{"/pictures/0.jpg", "/pictures/1.jpg", ""}));
}

TEST(SaverSettingsTest, AValueThatCannotBeConvertedFailsOnlyWhereItIsUsedAndNamesItself) {
    SettingTexts texts = installedTexts();
    texts.cfgSplatSpeed = "fast";
    texts.cfgNeverChange = "maybe";
    texts.cfgNextImageTime = "soon";  // a leading number: none is 0, never a failure
    const SaverSettings s = convert(texts);
    EXPECT_FALSE(s.cfgSplatSpeed.convertible());
    EXPECT_EQ(s.cfgNextImageTime, 0);
    try {
        (void)*s.cfgNeverChange;
        FAIL() << "no failure";
    } catch (const SettingError& e) {
        EXPECT_EQ(e.key(), "NeverChange");
        EXPECT_EQ(e.text(), "maybe");
    }
    EXPECT_THROW((void)*s.cfgSplatSpeed, ConversionError);
}

TEST(SaverSettingsTest, ThePictureListFollowsTheCountReadStrictly) {
    SettingTexts texts = installedTexts();
    int asked = 0;
    const auto entry = [&](int index) {
        ++asked;
        return std::to_string(index);
    };
    texts.cfgImageTotal = "3";
    EXPECT_EQ(*convertSaverSettings(texts, entry).imageFiles, (std::vector<std::string>{"0", "1", "2", ""}));
    for (const char* none : {"0", "-4"}) {
        texts.cfgImageTotal = none;
        EXPECT_EQ(*convertSaverSettings(texts, entry).imageFiles, std::vector<std::string>{""}) << none;
    }
    asked = 0;
    // Past 16 bits, even within 32: refused before anything is set aside for it.
    for (const char* bad : {"lots", "", "3 pictures", "1e12", "2000000000"}) {
        texts.cfgImageTotal = bad;
        const SaverSettings s = convertSaverSettings(texts, entry);
        EXPECT_FALSE(s.imageFiles.convertible()) << bad;
        EXPECT_EQ(s.cfgImageTotal, NumberValue(bad)) << bad;  // still read leniently elsewhere
    }
    EXPECT_EQ(asked, 0);
}

}  // namespace
}  // namespace skyfolio
