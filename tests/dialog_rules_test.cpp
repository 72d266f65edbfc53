#include "dialog/preview_fit.h"
#include "dialog/save_checks.h"

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

}  // namespace
}  // namespace skyfolio
