#include "dialog/cache_replacement.h"
#include "files/files.h"
#include "files/program_folder.h"
#include "imaging/picture.h"
#include "settings/program_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace skyfolio {
namespace {

using test::readFile;

class CacheReplacementTest : public ::testing::Test {
protected:
    void SetUp() override { setProgramFolder(folder.path()); }
    std::string picture(const std::string& name, QColor colour, QSize size = {320, 240}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const std::string path = folder.file(name);
        EXPECT_TRUE(Picture(image).saveJpeg(path, 90));
        return path;
    }
    // Files the replacement left in the cache folder under temporary names.
    int leftovers() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(cacheFolderPath()))
            count += entry.path().extension() != ".dib";
        return count;
    }
    test::TempFolder folder;
};

TEST_F(CacheReplacementTest, CreatesTheFolderAndWritesOneFilePerPictureInOrder) {
    std::vector<int> progress;
    CacheReplacement r =
        prepareCache({picture("a.jpg", Qt::red), picture("b.jpg", Qt::blue)}, [&](int done) { progress.push_back(done); });
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_TRUE(r.commit());
    EXPECT_GT(qRed(Picture::load(cacheFilePath("0")).image().pixel(5, 5)), 200);
    EXPECT_GT(qBlue(Picture::load(cacheFilePath("1")).image().pixel(5, 5)), 200);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 2);
}

TEST_F(CacheReplacementTest, AFailureOrNoCommitLeavesTheOldCacheExactlyAsItWas) {
    ASSERT_TRUE(prepareCache({picture("a.jpg", Qt::red), picture("b.jpg", Qt::blue)}, nullptr).commit());
    const std::string before0 = readFile(cacheFilePath("0")), before1 = readFile(cacheFilePath("1"));
    {
        CacheReplacement r = prepareCache({picture("c.jpg", Qt::green), folder.file("missing.jpg")}, nullptr);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failedPicture, 1);
        EXPECT_FALSE(r.commit());
    }
    // Converted, then dropped, as when the settings file cannot be written.
    EXPECT_TRUE(prepareCache({picture("d.jpg", Qt::yellow)}, nullptr).ok);
    EXPECT_EQ(readFile(cacheFilePath("0")), before0);
    EXPECT_EQ(readFile(cacheFilePath("1")), before1);
    EXPECT_FALSE(fileExists(cacheFilePath("0") + ".new"));
}

TEST_F(CacheReplacementTest, TheFirstFailureInListOrderIsTheOneReported) {
    // Picture 1 is a pipe that yields "not a picture" only when written
    // into, long after picture 2, missing, has failed.
    const std::string slow = folder.file("slow.jpg");
    ASSERT_EQ(mkfifo(slow.c_str(), 0600), 0);
    std::atomic<bool> converting = true;
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        for (; converting; std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
            const int pipe = open(slow.c_str(), O_WRONLY | O_NONBLOCK);  // fails unless it is being read
            if (pipe < 0) continue;
            EXPECT_EQ(write(pipe, "not a picture", 13), 13);
            close(pipe);
        }
    });
    std::vector<int> waits;
    const CacheReplacement r = prepareCache({picture("small.jpg", Qt::red, {40, 30}), slow, folder.file("missing.jpg")},
                                            [&](int done) { waits.push_back(done); });
    converting = false;
    writer.join();
    EXPECT_EQ(r.failedPicture, 1);
    EXPECT_NE(r.error.find("slow.jpg"), std::string::npos) << r.error;
    // The dialog was kept painting while picture 1 took its time.
    EXPECT_GE(std::count(waits.begin(), waits.end(), 1), 3);

    test::writeFile(folder.file("text.jpg"), "not a picture");
    {
        const CacheReplacement first = prepareCache({folder.file("missing.jpg"), folder.file("text.jpg")}, nullptr);
        EXPECT_EQ(first.failedPicture, 0);
        EXPECT_NE(first.error.find("missing.jpg"), std::string::npos) << first.error;
    }
    EXPECT_EQ(leftovers(), 0);
    EXPECT_FALSE(fileExists(cacheFilePath("0")));
}

TEST_F(CacheReplacementTest, FiveHundredPicturesInListOrder) {
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    std::vector<std::string> kinds, pictures;
    for (const QColor& colour : colours) kinds.push_back(picture(colour.name().toStdString() + ".jpg", colour, {40, 30}));
    for (size_t i = 0; i < 500; ++i) pictures.push_back(kinds[i % 4]);
    std::vector<int> progress;
    CacheReplacement r = prepareCache(pictures, [&](int done) { progress.push_back(done); });
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_TRUE(r.commit());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 500);
    for (size_t i : {0, 1, 2, 3, 250, 499}) {
        const QRgb pixel = Picture::load(cacheFilePath(std::to_string(i))).image().pixel(5, 5);
        EXPECT_LT(std::abs(qRed(pixel) - colours[i % 4].red()) + std::abs(qBlue(pixel) - colours[i % 4].blue()), 20) << i;
    }
    EXPECT_TRUE(fileExists(cacheFilePath("499")));
    EXPECT_EQ(leftovers(), 0);
}

TEST_F(CacheReplacementTest, NewFilesThatReplaceNothingGoInFirstAndGoAgainUnlessCommitted) {
    ASSERT_TRUE(prepareCache({picture("a.jpg", Qt::red), picture("b.jpg", Qt::red)}, nullptr).commit());
    const std::string old0 = readFile(cacheFilePath("0"));
    const std::vector<std::string> four = {picture("c.jpg", Qt::blue), picture("d.jpg", Qt::blue),
                                           picture("e.jpg", Qt::blue), picture("f.jpg", Qt::blue)};
    {
        CacheReplacement r = prepareCache(four, nullptr);
        ASSERT_TRUE(r.placeMissing());
        // What the old settings name is untouched; what the new ones add is there.
        EXPECT_EQ(readFile(cacheFilePath("0")), old0);
        EXPECT_GT(qBlue(Picture::load(cacheFilePath("3")).image().pixel(5, 5)), 200);
    }
    EXPECT_EQ(readFile(cacheFilePath("0")), old0);
    EXPECT_FALSE(fileExists(cacheFilePath("2")));
    EXPECT_EQ(leftovers(), 0);

    CacheReplacement r = prepareCache(four, nullptr);
    ASSERT_TRUE(r.placeMissing());
    ASSERT_TRUE(r.commit());
    for (const char* i : {"0", "1", "2", "3"}) EXPECT_GT(qBlue(Picture::load(cacheFilePath(i)).image().pixel(5, 5)), 200) << i;
    EXPECT_EQ(leftovers(), 0);
}

// Once the settings file names the new list, a commit that fails part way
// takes none of the files it names away.
TEST_F(CacheReplacementTest, ACommitThatFailsPartWayKeepsEveryPlacedFile) {
    ASSERT_TRUE(prepareCache({picture("a.jpg", Qt::red), picture("b.jpg", Qt::red)}, nullptr).commit());
    {
        CacheReplacement r = prepareCache({picture("c.jpg", Qt::blue), picture("d.jpg", Qt::blue),
                                           picture("e.jpg", Qt::blue), picture("f.jpg", Qt::blue)},
                                          nullptr);
        ASSERT_TRUE(r.placeMissing());
        std::filesystem::remove(cacheFilePath("0") + ".new");
        EXPECT_FALSE(r.commit());
    }
    for (const char* i : {"0", "1", "2", "3"}) EXPECT_TRUE(fileExists(cacheFilePath(i))) << i;
    EXPECT_GT(qBlue(Picture::load(cacheFilePath("3")).image().pixel(5, 5)), 200);
}

TEST_F(CacheReplacementTest, FilesLeftByAKilledSaveAreRemovedByTheNextAndNeverRead) {
    ASSERT_TRUE(makeFolder(cacheFolderPath()));
    // A pending file, the writer's own temporary file, one beyond the list.
    for (const char* name : {"skyfss0.dib.new", "skyfss0.dib.new.Xa9bQ2", "skyfss7.dib.new"})
        test::writeFile(cacheFolderPath() + "/" + name, "half a picture");
    test::writeFile(cacheFolderPath() + "/skyfss1.dib", "the user's own, whatever it is");
    CacheReplacement r = prepareCache({picture("a.jpg", Qt::green)}, nullptr);
    ASSERT_TRUE(r.commit());
    EXPECT_EQ(leftovers(), 0);
    EXPECT_GT(qGreen(Picture::load(cacheFilePath("0")).image().pixel(5, 5)), 200);
    EXPECT_EQ(readFile(cacheFilePath("1")), "the user's own, whatever it is");
}

TEST_F(CacheReplacementTest, TheCacheFollowsTheUmask) {
    for (const mode_t mask : {mode_t(0), mode_t(027)}) {
        SCOPED_TRACE(mask);
        std::filesystem::remove_all(cacheFolderPath());
        const mode_t before = umask(mask);
        CacheReplacement r = prepareCache({picture("a.jpg", Qt::red), picture("b.jpg", Qt::red)}, nullptr);
        const bool placed = r.placeMissing().ok && r.commit().ok;
        umask(before);
        ASSERT_TRUE(placed);
        struct stat folderStat {}, fileStat {};
        ASSERT_EQ(stat(cacheFolderPath().c_str(), &folderStat), 0);
        ASSERT_EQ(stat(cacheFilePath("1").c_str(), &fileStat), 0);
        EXPECT_EQ(folderStat.st_mode & 0777, 0777 & ~mask);
        EXPECT_EQ(fileStat.st_mode & 0777, 0666 & ~mask);
    }
}

}  // namespace
}  // namespace skyfolio
