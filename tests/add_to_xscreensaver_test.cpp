#include "startup/add_to_xscreensaver.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"
#include "tests/support/unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include <sys/stat.h>

namespace skyfolio {
namespace {

namespace fs = std::filesystem;

class AddToXscreensaverTest : public ::testing::Test {
protected:
    int add() {
        out.str({});
        err.str({});
        return AddToXscreensaver(home.path(), out, err);
    }
    std::string file() const { return home.file(".xscreensaver"); }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(home.path())) found.push_back(entry.path().filename());
        return found;
    }

    test::TempFolder home;
    std::ostringstream out;
    std::ostringstream err;
    const std::string written = test::readFile(test::testDataPath("xscreensaver/written-by-settings"));
};

TEST_F(AddToXscreensaverTest, WithoutTheFileItSaysWhatToDo) {
    EXPECT_EQ(add(), 1);
    EXPECT_NE(err.str().find("Run xscreensaver-settings once"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("\n    skyfolio --root \\n\\\n"), std::string::npos) << err.str();
    EXPECT_TRUE(names().empty());
}

TEST_F(AddToXscreensaverTest, AddsTheLineOnceAndKeepsTheFilesMode) {
    test::writeFile(file(), written);
    fs::permissions(file(), fs::perms(0640));
    EXPECT_EQ(add(), 0);
    EXPECT_NE(out.str().find("Added \"skyfolio --root\""), std::string::npos) << out.str();
    const std::string enrolled = test::readFile(file());
    EXPECT_EQ(enrolled.size(), written.size() + std::string("\t\t\t\tskyfolio --root\t\t\t\t    \\n\\\n").size());
    EXPECT_EQ(fs::status(file()).permissions(), fs::perms(0640));

    EXPECT_EQ(add(), 0);
    EXPECT_NE(out.str().find("already"), std::string::npos) << out.str();
    EXPECT_EQ(test::readFile(file()), enrolled);
    EXPECT_EQ(names(), std::vector<std::string>{".xscreensaver"});
}

TEST_F(AddToXscreensaverTest, ALinkedFileIsChangedWhereItLies) {
    fs::create_directory(home.file("dotfiles"));
    test::writeFile(home.file("dotfiles/xscreensaver"), written);
    fs::create_symlink("dotfiles/xscreensaver", file());
    EXPECT_EQ(add(), 0);
    EXPECT_TRUE(fs::is_symlink(file()));
    EXPECT_NE(test::readFile(home.file("dotfiles/xscreensaver")).find("skyfolio --root"), std::string::npos);
}

TEST_F(AddToXscreensaverTest, AFileItCannotReadOrWriteIsLeftByteForByte) {
    const std::string damaged = written.substr(0, 3000) + std::string("\0\0\xff", 3) + written.substr(3000);
    test::writeFile(file(), damaged);
    EXPECT_EQ(add(), 1);
    EXPECT_EQ(err.str().find(file() + " was left as it was: Skyfolio cannot read it, as it is not a text file."), 0u)
        << err.str();
    EXPECT_NE(err.str().find("skyfolio --root \\n\\"), std::string::npos) << err.str();
    EXPECT_EQ(test::readFile(file()), damaged);
    EXPECT_TRUE(out.str().empty());

    // A home folder the user may not write to.
    test::writeFile(file(), written);
    fs::permissions(home.path(), fs::perms(0555));
    fs::permissions(file(), fs::perms(0644));
    EXPECT_TRUE(test::asUnprivilegedUser([&] { return add() == 1; }));
    EXPECT_EQ(test::readFile(file()), written);
    EXPECT_EQ(names(), std::vector<std::string>{".xscreensaver"});
}

}  // namespace
}  // namespace skyfolio
