#include "files/files.h"
#include "tests/support/ended_process.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace skyfolio {
namespace {

namespace fs = std::filesystem;

size_t entriesIn(const std::string& folder) {
    return size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// A ~/.xscreensaver kept in a repository of dotfiles, linked from home.
class LinkedFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(folder.file("dotfiles"));
        fs::create_directory(folder.file("home"));
        test::writeFile(target, "old\n");
    }

    test::TempFolder folder;
    const std::string target = folder.file("dotfiles/xscreensaver");
};

TEST_F(LinkedFileTest, TheFileALinkLeadsToIsReplacedAndTheLinkStays) {
    const std::string relative = folder.file("home/.xscreensaver");
    const std::string absolute = folder.file("home/absolute");
    const std::string chained = folder.file("home/chained");
    fs::create_symlink("../dotfiles/xscreensaver", relative);
    fs::create_symlink(target, absolute);
    fs::create_symlink(".xscreensaver", chained);
    for (const std::string& link : {relative, absolute, chained}) {
        ASSERT_TRUE(replaceFileAtomically(link, "new from " + link + "\n")) << link;
        EXPECT_TRUE(fs::is_symlink(link)) << link;
        EXPECT_EQ(test::readFile(target), "new from " + link + "\n");
    }
    // No temporary stays on either side of the links.
    EXPECT_EQ(entriesIn(folder.file("dotfiles")), 1u);
    EXPECT_EQ(entriesIn(folder.file("home")), 3u);
}

TEST_F(LinkedFileTest, ALinkToNothingYetMakesItsFileAndALoopIsRefused) {
    const std::string dangling = folder.file("home/settings.ini");
    fs::create_symlink("../dotfiles/settings.ini", dangling);
    ASSERT_TRUE(replaceFileAtomically(dangling, "made\n"));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(test::readFile(folder.file("dotfiles/settings.ini")), "made\n");

    const std::string loop = folder.file("home/loop");
    fs::create_symlink("loop", loop);
    const WriteResult written = replaceFileAtomically(loop, "never\n");
    EXPECT_FALSE(written);
    EXPECT_NE(written.error.find(loop), std::string::npos) << written.error;
    EXPECT_TRUE(fs::is_symlink(loop));
}

// Several savers, one a screen, and a dialog may save the same file at once.
TEST(ReplaceFileTest, TemporariesOfRunningWritersStayThoseOfEndedOnesGo) {
    test::TempFolder folder;
    const std::string path = folder.file("r909izarav.ini");
    test::writeFile(path, "old\n");
    const std::string running = path + ".new-" + std::to_string(::getppid());
    const std::string abandoned = path + ".new-" + std::to_string(test::endedProcessId());
    // Left by an earlier process that had our id.
    const std::string ours = path + ".new-" + std::to_string(::getpid());
    const std::string notOurs = path + ".new-draft";
    for (const std::string& temporary : {running, abandoned, ours, notOurs}) test::writeFile(temporary, "half\n");

    ASSERT_TRUE(replaceFileAtomically(path, "new\n"));
    EXPECT_EQ(test::readFile(path), "new\n");
    EXPECT_TRUE(fs::exists(running));
    EXPECT_FALSE(fs::exists(abandoned));
    EXPECT_FALSE(fs::exists(ours));
    EXPECT_TRUE(fs::exists(notOurs));
}

}  // namespace
}  // namespace skyfolio
