#include "files/program_file_names.h"
#include "files/program_folder.h"
#include "platform/program_folder_setup.h"
#include "tests/support/temp_folder.h"
#include "tests/support/unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace skyfolio {
namespace {

namespace fs = std::filesystem;

// Every file under `folder` with its bytes, by its path relative to it.
std::map<std::string, std::string> filesUnder(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = test::readFile(entry.path().string());
    return files;
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A package's template as the installer lays it out, and a home folder with
// nothing of Skyfolio in it yet.
class PerUserFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(packageFolder() + "/SkyfolioImg");
        test::writeFile(packageFolder() + "/r909izarav.ini", "[install]\nfirstRun=1\n");
        test::writeFile(packageFolder() + "/Image1.jpg", "the first sample");
        test::writeFile(packageFolder() + "/Image2.jpg", "the second sample");
        test::writeFile(packageFolder() + "/SkyfolioImg/skyfss0.dib", "the first cache file");
        test::writeFile(packageFolder() + "/SkyfolioImg/skyfss1.dib", "the second cache file");
        test::writeFile(packageFolder() + "/skyfolio-help.html", "the program's own");
        fs::create_directories(home());
    }

    std::string packageFolder() const { return root.file("usr/share/skyfolio"); }
    std::string home() const { return root.file("home"); }
    std::string dataHome() const { return home() + "/.local/share"; }
    ProgramFolders folders() const { return {dataHome() + "/skyfolio", packageFolder(), true}; }

    std::map<std::string, std::string> templateFiles() const {
        std::map<std::string, std::string> files = filesUnder(packageFolder());
        files.erase("skyfolio-help.html");
        return files;
    }

    test::TempFolder root;
};

TEST_F(PerUserFolderTest, AFirstStartMakesTheFolderFromTheTemplate) {
    EXPECT_EQ(prepareProgramFolder(folders()), std::nullopt);

    EXPECT_EQ(filesUnder(folders().program), templateFiles());
    // The settings file holds the password; the folders above are the user's alone.
    EXPECT_EQ(modeOf(folders().program + "/r909izarav.ini"), 0600u);
    EXPECT_EQ(modeOf(home() + "/.local"), 0700u);
    EXPECT_EQ(modeOf(dataHome()), 0700u);
    EXPECT_EQ(namesIn(dataHome()), std::vector<std::string>{"skyfolio"});
}

TEST_F(PerUserFolderTest, AFolderThatIsThereIsNeverTouched) {
    ASSERT_EQ(prepareProgramFolder(folders()), std::nullopt);
    test::writeFile(folders().program + "/r909izarav.ini", "[saver]\nmode=6\n");
    test::writeFile(folders().program + "/Image1.jpg", "the user's own picture");
    fs::remove(folders().program + "/SkyfolioImg/skyfss1.dib");
    test::writeFile(folders().program + "/SkyfolioImg/skyfss0.dib", "the user's cache");
    const auto before = filesUnder(folders().program);

    // A later build or a reinstall brings another template.
    test::writeFile(packageFolder() + "/r909izarav.ini", "[install]\nfirstRun=1\nnewer=1\n");
    test::writeFile(packageFolder() + "/Image1.jpg", "a newer sample");
    EXPECT_EQ(prepareProgramFolder(folders()), std::nullopt);
    EXPECT_EQ(filesUnder(folders().program), before);

    // Even an empty folder is the user's business: nothing is filled in.
    const ProgramFolders empty{root.file("empty"), packageFolder(), true};
    fs::create_directory(empty.program);
    EXPECT_EQ(prepareProgramFolder(empty), std::nullopt);
    EXPECT_TRUE(fs::is_empty(empty.program));
}

TEST_F(PerUserFolderTest, ProcessesStartingAtOnceShareOneWholeFolder) {
    constexpr int kProcesses = 8;
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < kProcesses; ++i) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(start[1]);
            char go;
            // Released together when the parent closes its end.
            [[maybe_unused]] const ssize_t n = ::read(start[0], &go, 1);
            _exit(prepareProgramFolder(folders()) ? 1 : 0);
        }
        children.push_back(child);
    }
    ::close(start[0]);
    ::close(start[1]);
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(filesUnder(folders().program), templateFiles());
    EXPECT_EQ(namesIn(dataHome()), std::vector<std::string>{"skyfolio"});
}

TEST_F(PerUserFolderTest, APlaceThatCannotBeWrittenIsNamedWithTheCause) {
    // A file where a folder should be stops anyone, root too.
    test::writeFile(root.file("not-a-folder"), "");
    const ProgramFolders blocked{root.file("not-a-folder/share/skyfolio"), packageFolder(), true};
    const std::optional<std::string> message = prepareProgramFolder(blocked);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->find("Skyfolio keeps your settings and pictures in " + blocked.program), 0u) << *message;
    EXPECT_NE(message->find("Not a directory"), std::string::npos) << *message;

    test::writeFile(root.file("a-file"), "");
    const std::optional<std::string> onAFile = prepareProgramFolder({root.file("a-file"), packageFolder(), true});
    ASSERT_TRUE(onAFile);
    EXPECT_NE(onAFile->find(root.file("a-file") + ": not a folder"), std::string::npos) << *onAFile;

    // A home folder the user may not write to.
    fs::permissions(root.path(), fs::perms(0755));
    fs::permissions(home(), fs::perms(0555));
    EXPECT_TRUE(test::asUnprivilegedUser([&] {
        const std::optional<std::string> denied = prepareProgramFolder(folders());
        return denied && denied->find(home() + "/.local: Permission denied") != std::string::npos;
    }));
    EXPECT_FALSE(fs::exists(home() + "/.local"));
}

TEST_F(PerUserFolderTest, AnIncompleteTemplateLeavesNothingBehind) {
    fs::remove(packageFolder() + "/SkyfolioImg/skyfss1.dib");
    const std::optional<std::string> message = prepareProgramFolder(folders());
    ASSERT_TRUE(message);
    EXPECT_NE(message->find(packageFolder() + "/SkyfolioImg/skyfss1.dib: missing"), std::string::npos) << *message;
    EXPECT_TRUE(fs::is_empty(dataHome()));

    // Once it is whole again, the next start makes the folder.
    test::writeFile(packageFolder() + "/SkyfolioImg/skyfss1.dib", "the second cache file");
    EXPECT_EQ(prepareProgramFolder(folders()), std::nullopt);
    EXPECT_EQ(filesUnder(folders().program), templateFiles());
}

TEST(ProgramFoldersTest, TheProgramsOwnFolderWinsWhenItHoldsTheSettingsFile) {
    test::TempFolder dist;
    test::writeFile(dist.file("r909izarav.ini"), "");
    const ProgramFolders folders = locateProgramFolders(dist.path(), "/data", "/home/u");
    EXPECT_EQ(folders.program, dist.path());
    EXPECT_EQ(folders.package, dist.path());
    EXPECT_FALSE(folders.perUser);
}

TEST(ProgramFoldersTest, AnInstalledCopyUsesTheUsersDataFolder) {
    test::TempFolder usr;
    const std::string program = usr.file("libexec/xscreensaver");
    fs::create_directories(program);
    EXPECT_EQ(locateProgramFolders(program, "/data", "/home/u").program, "/data/skyfolio");
    // A relative $XDG_DATA_HOME counts for nothing.
    EXPECT_EQ(locateProgramFolders(program, "data", "/home/u").program, "/home/u/.local/share/skyfolio");
    EXPECT_EQ(locateProgramFolders(program, nullptr, "/home/u").program, "/home/u/.local/share/skyfolio");
    EXPECT_EQ(locateProgramFolders(program, nullptr, nullptr).program, "");
    EXPECT_TRUE(locateProgramFolders(program, nullptr, "/home/u").perUser);
}

TEST(ProgramFoldersTest, TheTemplateIsFoundBesideAStagedInstallFirst) {
    test::TempFolder usr;
    const std::string program = usr.file("libexec/xscreensaver");
    fs::create_directories(program);
    EXPECT_EQ(locateProgramFolders(program, "/data", nullptr).package, SKYFOLIO_INSTALLED_PACKAGE_FOLDER);

    fs::create_directories(usr.file("share/skyfolio"));
    test::writeFile(usr.file("share/skyfolio/r909izarav.ini"), "");
    EXPECT_EQ(locateProgramFolders(program, "/data", nullptr).package, usr.file("share/skyfolio"));
}

}  // namespace
}  // namespace skyfolio
