#include "dialog/preview_fit.h"
#include "dialog/save_checks.h"
#include "dialog/settled_value.h"
#include "dialog/slider_mappings.h"
#include "platform/qt_dialog_host.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

TEST(PreviewFitTest, SmallPicturesKeepTheirSizeAndLargeOnesShrinkByTenthsUntilTheyFit) {
    EXPECT_EQ(fitPreview(3000, 1500), (PreviewFit{188, 158, 3000, 1500}));
    EXPECT_EQ(fitPreview(6000, 3000), (PreviewFit{93, 110, 3189, 1594}));
    EXPECT_EQ(fitPreview(1000, 4000), (PreviewFit{1472, 46, 430, 1722}));
    // The box's own size does not fit: the limits are exclusive.
    EXPECT_EQ(fitPreview(3375, 100).width, 3038);
    EXPECT_EQ(fitPreview(100, 1815).height, 1634);
    // A sliver still ends up inside the box.
    const PreviewFit sliver = fitPreview(15, 20000 * 15);
    EXPECT_LT(sliver.height, 1815);
    EXPECT_GE(sliver.width, 1);
}

TEST(SliderMappingTest, SpeedAndSensitivityMirrorTheirRangeWithBothEndsSwapped) {
    EXPECT_EQ(imageSpeedPosition(200), 1);
    EXPECT_EQ(imageSpeedPosition(1), 200);
    EXPECT_EQ(imageSpeedPosition(50), 150);
    EXPECT_EQ(imageSpeedText(199), "1");
    EXPECT_EQ(imageSpeedText(200), "1");
    EXPECT_EQ(imageSpeedText(2), "198");
    EXPECT_EQ(imageSpeedText(1), "200");

    const char* stored[] = {"15", "13", "12", "11", "10", "9", "8", "7", "6", "5", "4", "3", "2", "1", "1"};
    for (int position = 1; position <= 15; ++position)
        EXPECT_EQ(mouseSensitivityText(position), stored[position - 1]) << position;
    EXPECT_EQ(mouseSensitivityPosition(1), 15);
    EXPECT_EQ(mouseSensitivityPosition(15), 1);
    EXPECT_EQ(mouseSensitivityPosition(13), 2);
    EXPECT_EQ(mouseSensitivityPosition(5), 10);
    EXPECT_EQ(mouseSensitivityPosition(14), 1);
}

TEST(SettledValueTest, UnusableTextsGiveTheInstalledValueAndAreReplacedByIt) {
    std::string text = "7";
    EXPECT_EQ(settledValue(text, keys::clonesOfImage, {1, 21}), 7);
    EXPECT_EQ(text, "7");
    text = "2.5";  // half to even
    EXPECT_EQ(settledValue(text, keys::clonesOfImage, {1, 21}), 2);
    for (const char* bad : {"", "abc", "12abc", "22", "0", "1e300"}) {
        text = bad;
        EXPECT_EQ(settledValue(text, keys::clonesOfImage, {1, 21}), 10) << bad;
        EXPECT_EQ(text, "10") << bad;
    }
    // The installed value itself is kept inside a narrower range.
    text = "x";
    EXPECT_EQ(settledValue(text, keys::introImageAmount, {1, 2}), 2);
    EXPECT_EQ(text, "2");

    text = "40";
    EXPECT_EQ(clampedValue(text, keys::mouseSensitivity, {1, 15}), 15);
    EXPECT_EQ(text, "15");
    text = "-3";
    EXPECT_EQ(clampedValue(text, keys::mouseSensitivity, {1, 15}), 1);
    text = "many";
    EXPECT_EQ(clampedValue(text, keys::mouseSensitivity, {1, 15}), 5);

    text = "tRUE";
    EXPECT_TRUE(settledBoolean(text, keys::neverChange));
    EXPECT_EQ(text, "tRUE");
    text = "maybe";
    EXPECT_FALSE(settledBoolean(text, keys::neverChange));
    EXPECT_EQ(text, "False");
}

TEST(SaveChecksTest, TheFirstFailingCheckSpeaksInTheirOrder) {
    const std::string noPicture = "You need to load at least one image file.";
    const std::string noPassword = "You must enter a 'Password' or uncheck 'Password Protection'.";
    const std::string differ = "The 'Password' and 'Confirm' entries must be the same.";
    const std::vector<std::string> one = {"/p/a.jpg"};

    EXPECT_EQ(failedSaveCheck({}, true, "", ""), noPicture);
    EXPECT_EQ(failedSaveCheck({"", "/p/b.jpg"}, false, "", ""), noPicture);
    EXPECT_EQ(failedSaveCheck(one, true, "", ""), noPassword);
    EXPECT_EQ(failedSaveCheck(one, true, "", "typed"), differ);
    EXPECT_EQ(failedSaveCheck(one, true, "Secret", "secret"), differ);
    EXPECT_EQ(failedSaveCheck(one, true, "Secret", "Secret"), std::nullopt);
    EXPECT_EQ(failedSaveCheck(one, false, "left over", ""), std::nullopt);
}

TEST(QtNameFiltersTest, EachDescriptionKeepsItsTextAndGetsItsPatternsAsQtReadsThem) {
    const QStringList filters = qtNameFilters("Image files (*.gif;*.jpg)|*.gif;*.jpg|Jpeg Files (*.jpg)|*.jpg");
    EXPECT_EQ(filters, QStringList({"Image files (*.gif;*.jpg) (*.gif *.jpg)", "Jpeg Files (*.jpg) (*.jpg)"}));
}

}  // namespace
}  // namespace skyfolio
