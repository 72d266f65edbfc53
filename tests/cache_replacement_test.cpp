#include "dialog/cache_replacement.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "platform/program_folder.h"
#include "settings/program_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

using test::readFile;

class CacheReplacementTest : public ::testing::Test {
protected:
    void SetUp() override { setProgramFolder(folder.path()); }
    std::string picture(const std::string& name, QColor colour) {
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(colour);
        const std::string path = folder.file(name);
        EXPECT_TRUE(Picture(image).saveJpeg(path, 90));
        return path;
    }
    test::TempFolder folder;
};

TEST_F(CacheReplacementTest, CreatesTheFolderAndWritesOneFilePerPictureInOrder) {
    std::vector<int> progress;
    const CacheReplacement r =
        replaceCache({picture("a.jpg", Qt::red), picture("b.jpg", Qt::blue)}, [&](int done) { progress.push_back(done); });
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_GT(qRed(Picture::load(cacheFilePath("0")).image().pixel(5, 5)), 200);
    EXPECT_GT(qBlue(Picture::load(cacheFilePath("1")).image().pixel(5, 5)), 200);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 2);
}

TEST_F(CacheReplacementTest, AFailureLeavesTheOldCacheExactlyAsItWas) {
    ASSERT_TRUE(replaceCache({picture("a.jpg", Qt::red), picture("b.jpg", Qt::blue)}, nullptr).ok);
    const std::string before0 = readFile(cacheFilePath("0")), before1 = readFile(cacheFilePath("1"));
    const CacheReplacement r = replaceCache({picture("c.jpg", Qt::green), folder.file("missing.jpg")}, nullptr);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedPicture, 1);
    EXPECT_EQ(readFile(cacheFilePath("0")), before0);
    EXPECT_EQ(readFile(cacheFilePath("1")), before1);
    EXPECT_FALSE(fileExists(cacheFilePath("0") + ".new"));
}

}  // namespace
}  // namespace skyfolio
