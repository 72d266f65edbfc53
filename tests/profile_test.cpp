#include "files/profile.h"
#include "tests/support/ended_process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace skyfolio {
namespace {

using test::readFile;
using test::TempFolder;
using test::writeFile;

class ProfileTest : public ::testing::Test {
protected:
    std::string withFile(const std::string& bytes) {
        writeFile(path, bytes);
        return path;
    }
    TempFolder folder;
    std::string path = folder.file("r909izarav.ini");
};

TEST_F(ProfileTest, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(readProfileString(path, "saver", "mode"), "");
    withFile("[saver]\nmode=3\n");
    EXPECT_EQ(readProfileString(path, "total", "mode"), "");
    EXPECT_EQ(readProfileString(path, "saver", "speed"), "");
    EXPECT_EQ(readProfileString(path, "saver", "mode"), "3");
}

TEST_F(ProfileTest, ReadsWhateverTheLineEndingsBlanksAndLetterCase) {
    withFile("[Saver]\r\nMode = 3 \r\n  [ total ]\n\tnewTotal\t=\t2\t\n[speed]\nimageSpeed=");
    EXPECT_EQ(readProfileString(path, "saver", "mode"), "3");
    EXPECT_EQ(readProfileString(path, "SAVER", "MODE"), "3");
    EXPECT_EQ(readProfileString(path, "total", "newtotal"), "2");
    EXPECT_EQ(readProfileString(path, "speed", "imageSpeed"), "");
}

TEST_F(ProfileTest, SkipsWhatItDoesNotUnderstand) {
    withFile("mode=9\n[saver]\nno equals sign here\n; mode=8\n=7\nmode=1\nmode=2\n\x01\xff\xfe[\n");
    EXPECT_EQ(readProfileString(path, "saver", "mode"), "1");  // the first of duplicates
    withFile(std::string("\0\0\xff garbage\0\n[saver]\nmode=5\n", 27));
    EXPECT_EQ(readProfileString(path, "saver", "mode"), "5");
    withFile("");
    EXPECT_EQ(readProfileString(path, "saver", "mode"), "");
}

TEST_F(ProfileTest, ValuesComeBackWhole) {
    const std::string longPath = "/home/user/" + std::string(290, 'p') + ".jpg";
    ASSERT_EQ(longPath.size(), 305u);
    ASSERT_TRUE(writeProfileString(path, "images", "0", longPath));
    EXPECT_EQ(readProfileString(path, "images", "0"), longPath);
    const std::string utf8 = "/home/zoë/Bilder/Straße am Meer.jpg";
    ASSERT_TRUE(writeProfileString(path, "images", "1", utf8));
    EXPECT_EQ(readProfileString(path, "images", "1"), utf8);
}

TEST_F(ProfileTest, WritingKeepsEveryOtherLineAsItWas) {
    const std::string before =
        "; Skyfolio\r\n[saver]\r\nmode = 3\r\ngarbage line\r\n\r\n[total]\r\nnewTotal=2\r\nnewTotal=9\r\n";
    withFile(before);
    ASSERT_TRUE(writeProfileString(path, "SAVER", "MODE", "5"));
    EXPECT_EQ(readFile(path),
              "; Skyfolio\r\n[saver]\r\nMODE=5\r\ngarbage line\r\n\r\n[total]\r\nnewTotal=2\r\nnewTotal=9\r\n");

    // A new key goes to the end of its section, before the blank line.
    ASSERT_TRUE(writeProfileString(path, "saver", "effectMode", "1"));
    EXPECT_EQ(readFile(path), "; Skyfolio\r\n[saver]\r\nMODE=5\r\ngarbage line\r\neffectMode=1\r\n\r\n[total]\r\n"
                              "newTotal=2\r\nnewTotal=9\r\n");
}

TEST_F(ProfileTest, CreatesTheFileAndMissingSections) {
    ASSERT_TRUE(writeProfileString(path, "saver", "mode", "0"));
    ASSERT_TRUE(writeProfileString(path, "password", "saverEnabled", "1"));
    ASSERT_TRUE(writeProfileString(path, "saver", "NeverChange", "False"));
    EXPECT_EQ(readFile(path), "[saver]\nmode=0\nNeverChange=False\n[password]\nsaverEnabled=1\n");

    withFile("[saver]\nmode=1");  // no line ending on the last line
    ASSERT_TRUE(writeProfileString(path, "total", "newTotal", "3"));
    EXPECT_EQ(readFile(path), "[saver]\nmode=1\n[total]\nnewTotal=3\n");
}

TEST_F(ProfileTest, DeletingASectionLeavesNoStaleKey) {
    withFile("[images]\n0=a.jpg\n1=b.jpg\n[saver]\nmode=0\n[Images]\n2=c.jpg\n");
    ProfileFile file(path);
    file.deleteSection("images");
    ASSERT_TRUE(file.write("images", "0", "new.jpg"));
    ASSERT_TRUE(file.save());
    EXPECT_EQ(readProfileString(path, "images", "0"), "new.jpg");
    EXPECT_EQ(readProfileString(path, "images", "1"), "");
    EXPECT_EQ(readProfileString(path, "images", "2"), "");
    EXPECT_EQ(readProfileString(path, "saver", "mode"), "0");
}

TEST_F(ProfileTest, ASectionReplacedWholeIsWhatDeletingAndWritingItGive) {
    const std::string before = "[images]\r\n0=a.jpg\r\n[saver]\r\nmode=0\r\n[Images]\r\n5=c.jpg";
    withFile(before);
    ProfileFile byKey(path);
    byKey.deleteSection("images");
    for (const char* key : {"0", "1"}) ASSERT_TRUE(byKey.write("images", key, std::string("/p/") + key + ".heic"));
    ASSERT_TRUE(byKey.save());
    const std::string expected = readFile(path);

    withFile(before);
    ProfileFile whole(path);
    EXPECT_EQ(whole.read("images", "5"), "");  // only the first occurrence counts
    ASSERT_TRUE(whole.replaceSection("images", {{"0", "/p/0.heic"}, {"1", "/p/1.heic"}}));
    EXPECT_EQ(whole.read("IMAGES", "1"), "/p/1.heic");
    EXPECT_EQ(whole.read("saver", "mode"), "0");
    ASSERT_TRUE(whole.save());
    EXPECT_EQ(readFile(path), expected);

    // A value that cannot stand on one line changes nothing.
    EXPECT_FALSE(whole.replaceSection("images", {{"0", "ok.jpg"}, {"1", "evil\n[password]"}}));
    EXPECT_EQ(whole.read("images", "0"), "/p/0.heic");
    ASSERT_TRUE(whole.replaceSection("images", {}));
    ASSERT_TRUE(whole.save());
    EXPECT_EQ(readFile(path).find("[images]"), std::string::npos);
}

TEST_F(ProfileTest, ReadsSeeEveryChangeBeforeThem) {
    withFile("[saver]\nmode=0\n");
    ProfileFile file(path);
    EXPECT_EQ(file.read("saver", "mode"), "0");
    ASSERT_TRUE(file.write("saver", "mode", "3"));
    ASSERT_TRUE(file.write("saver", "effectMode", "1"));
    EXPECT_EQ(file.read("saver", "mode"), "3");
    EXPECT_EQ(file.read("Saver", "EFFECTMODE"), "1");
    file.deleteSection("saver");
    EXPECT_EQ(file.read("saver", "mode"), "");
}

TEST_F(ProfileTest, RefusesWhatWouldBreakTheFileApart) {
    withFile("[saver]\nmode=0\n");
    EXPECT_FALSE(writeProfileString(path, "images", "0", "evil\n[password]\nsaverEnabled=0"));
    EXPECT_FALSE(writeProfileString(path, "saver", "a=b", "1"));
    EXPECT_FALSE(writeProfileString(path, "sa]ver", "mode", "1"));
    EXPECT_FALSE(writeProfileString(path, "saver", " ", "1"));
    EXPECT_EQ(readFile(path), "[saver]\nmode=0\n");
}

TEST_F(ProfileTest, AFailedWriteReportsAndLeavesTheFileAlone) {
    withFile("[saver]\nmode=0\n");
    chmod(folder.path().c_str(), 0555);
    chmod(path.c_str(), 0444);
    EXPECT_TRUE(test::asUnprivilegedUser([&] {
        const WriteResult r = writeProfileString(path, "saver", "mode", "7");
        return !r.ok && r.error.find(path) != std::string::npos;
    }));
    EXPECT_EQ(readFile(path), "[saver]\nmode=0\n");
}

TEST_F(ProfileTest, AnUnreadableFileIsNeverReplaced) {
    withFile("[saver]\nmode=0\n[password]\nsaverPassword=secret\n");
    chmod(folder.path().c_str(), 0777);
    chmod(path.c_str(), 0222);  // writable, not readable
    EXPECT_TRUE(test::asUnprivilegedUser([&] {
        return readProfileString(path, "saver", "mode").empty() && !writeProfileString(path, "saver", "mode", "7");
    }));
    chmod(path.c_str(), 0644);
    EXPECT_EQ(readFile(path), "[saver]\nmode=0\n[password]\nsaverPassword=secret\n");
}

mode_t modeOf(const std::string& path) {
    struct stat s {};
    return stat(path.c_str(), &s) == 0 ? s.st_mode & 07777 : 0;
}

// The file holds the password.
TEST_F(ProfileTest, ANewFileIsTheOwnersAloneWhateverTheUmaskAndAnOldOneKeepsItsMode) {
    for (const mode_t mask : {mode_t(0), mode_t(022), mode_t(0277)}) {
        std::filesystem::remove(path);
        const mode_t before = umask(mask);
        const bool written = writeProfileString(path, "password", "saverPassword", "secret").ok;
        umask(before);
        ASSERT_TRUE(written);
        EXPECT_EQ(modeOf(path), 0600u) << "umask " << mask;
    }
    chmod(path.c_str(), 0640);
    const mode_t before = umask(0);
    const bool written = writeProfileString(path, "saver", "mode", "2").ok;
    umask(before);
    ASSERT_TRUE(written);
    EXPECT_EQ(modeOf(path), 0640u);
    EXPECT_EQ(readProfileString(path, "password", "saverPassword"), "secret");
}

TEST_F(ProfileTest, TemporaryFilesOfAKilledSaveAreRemovedByTheNextAndNeverRead) {
    withFile("[saver]\nmode=0\n");
    const std::string killed = path + ".new-" + std::to_string(test::endedProcessId());
    writeFile(killed, "[saver]\nmode=7\n");
    writeFile(folder.file("r909izarav.ini.bak"), "the user's own");
    EXPECT_EQ(readProfileString(path, "saver", "mode"), "0");
    ASSERT_TRUE(writeProfileString(path, "saver", "effectMode", "1"));
    EXPECT_FALSE(std::filesystem::exists(killed));
    EXPECT_TRUE(std::filesystem::exists(folder.file("r909izarav.ini.bak")));
    EXPECT_EQ(readFile(path), "[saver]\nmode=0\neffectMode=1\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

}  // namespace
}  // namespace skyfolio
