#include "startup/xscreensaver_programs.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_data.h"

#include <gtest/gtest.h>

#include <string>

namespace skyfolio {
namespace {

using Outcome = ProgramsListEdit::Outcome;

// The entry as xscreensaver-settings lays out every entry it writes, and
// with the backslash that joins the next line to it.
const std::string kEntry = "\t\t\t\tskyfolio --root\t\t\t\t    \\n";
const std::string kLine = kEntry + "\\\n";

ProgramsListEdit add(std::string_view file) { return addToProgramsList(file, "skyfolio", "skyfolio --root"); }

// A real ~/.xscreensaver, written by xscreensaver-settings 6.06.
std::string writtenBySettings() { return test::readFile(test::testDataPath("xscreensaver/written-by-settings")); }

// `file` with `text` inserted after the first occurrence of `after`.
std::string insertedAfter(const std::string& file, const std::string& after, std::string_view text) {
    const size_t at = file.find(after);
    EXPECT_NE(at, std::string::npos) << after;
    std::string result = file;
    return result.insert(at + after.size(), text);
}

TEST(ProgramsListTest, TheEntryGoesAfterTheLastOneOfAListXscreensaverWrote) {
    const std::string file = writtenBySettings();
    const ProgramsListEdit edit = add(file);
    ASSERT_EQ(edit.outcome, Outcome::Added);
    // Last, so that "selected:" still counts to the same saver.
    EXPECT_EQ(edit.text, insertedAfter(file, "squirtorus --root\t\t\t    \\n\\\n", kLine));
    EXPECT_EQ(add(edit.text).outcome, Outcome::AlreadyListed);
}

TEST(ProgramsListTest, AFileWithoutAListGetsOneOfItsOwn) {
    const std::string file = "timeout:\t0:30:00\nlock:\t\tFalse\nmode:\t\tone\n";
    const std::string list = "\nprograms:\t\t\t\t\t\t\t\t      \\\n" + kLine + "\n";
    const ProgramsListEdit edit = add(file);
    ASSERT_EQ(edit.outcome, Outcome::Added);
    EXPECT_EQ(edit.text, file + list);
    EXPECT_EQ(add(edit.text).outcome, Outcome::AlreadyListed);

    // A last line without its line end keeps it, and gets one.
    EXPECT_EQ(add("lock: False").text, "lock: False\n" + list);
    EXPECT_EQ(add("").text, list);
    // A list that only a comment holds is no list: a backslash continues the comment.
    const std::string commented = "# the old list: \\\nprograms: deco --root\n";
    EXPECT_EQ(add(commented).text, commented + list);
}

TEST(ProgramsListTest, SkyfolioListedInAnyFormIsLeftAlone) {
    const std::string file = writtenBySettings();
    const std::string first = "programs:\t\t\t\t\t\t\t\t      \\\n";
    for (const char* entry : {"\t\t\t\tskyfolio --root \\n\\\n", "  \"Skyfolio\" /usr/libexec/xscreensaver/skyfolio --root \\n\\\n",
                              "  GL: skyfolio \\n\\\n", "\t\tskyfolio\t--root\t\\n\\\n"}) {
        EXPECT_EQ(add(insertedAfter(file, first, entry)).outcome, Outcome::AlreadyListed) << entry;
    }
    for (const char* entry : {"-\t\t\t\tskyfolio --root \\n\\\n", "- GL: \"Sky\" skyfolio --root \\n\\\n"})
        EXPECT_EQ(add(insertedAfter(file, first, entry)).outcome, Outcome::ListedButOff) << entry;
    // On and off both: it is on.
    EXPECT_EQ(add(insertedAfter(file, first, "- skyfolio --root \\n\\\n  skyfolio --root \\n\\\n")).outcome,
              Outcome::AlreadyListed);
    // Names and other programs alike are no match.
    for (const char* entry : {"  skyfolios --root \\n\\\n", "  \"skyfolio\" maze --root \\n\\\n",
                              "  skyfolio-settings \\n\\\n"})
        EXPECT_EQ(add(insertedAfter(file, first, entry)).outcome, Outcome::Added) << entry;
}

TEST(ProgramsListTest, ListsWrittenByHandKeepTheirShape) {
    // The last entry without its "\n".
    EXPECT_EQ(add("programs: \\\n\tdeco --root \\n\\\n\tmaze --root\nlock: False\n").text,
              "programs: \\\n\tdeco --root \\n\\\n\tmaze --root \\n\\\n\t\t\t\tskyfolio --root\nlock: False\n");
    EXPECT_EQ(add("programs: deco --root").text, "programs: deco --root \\n\\\n\t\t\t\tskyfolio --root");
    // Every entry ended, the last line not continued.
    EXPECT_EQ(add("programs: deco --root \\n\n").text, "programs: deco --root \\n\\\n" + kEntry + "\n");
    // An empty list, and one of blank lines.
    EXPECT_EQ(add("programs:\n").text, "programs:\\\n" + kEntry + "\n");
    EXPECT_EQ(add("programs: \\\n\\\n\n").outcome, Outcome::Added);
    EXPECT_EQ(add(add("programs: \\\n\\\n\n").text).outcome, Outcome::AlreadyListed);
    // The file ends inside the list.
    EXPECT_EQ(add("programs: \\\n  deco --root \\n\\\n").text, "programs: \\\n  deco --root \\n\\\n" + kLine);
    EXPECT_EQ(add("programs: \\\n  deco --root \\n\\").text, "programs: \\\n  deco --root \\n\\\n" + kEntry + "\\");
}

TEST(ProgramsListTest, TheLastListCountsWhateverItsLetterCase) {
    const std::string file = "programs: deco --root \\n\nProgRAMs: maze --root \\n\n";
    EXPECT_EQ(add(file).text, "programs: deco --root \\n\nProgRAMs: maze --root \\n\\\n" + kEntry + "\n");
    // Only the list that counts is looked in.
    EXPECT_EQ(add("programs: skyfolio --root \\n\nprograms: maze --root \\n\n").outcome, Outcome::Added);
    EXPECT_EQ(add("*programs: deco --root\n").text,
              "*programs: deco --root\n\nprograms:\t\t\t\t\t\t\t\t      \\\n" + kLine + "\n");
}

TEST(ProgramsListTest, WhatIsNoSettingsFileIsRefused) {
    const std::string file = writtenBySettings();
    const ProgramsListEdit cutShort = add(file.substr(0, file.find("textURL:") + 5));
    EXPECT_EQ(cutShort.outcome, Outcome::Refused);
    EXPECT_EQ(cutShort.reason, "line 38 is neither a setting nor a comment: \"textU\"");

    const ProgramsListEdit binary = add(file + std::string("\0\x89PNG", 5));
    EXPECT_EQ(binary.outcome, Outcome::Refused);
    EXPECT_EQ(binary.reason, "it is not a text file");

    std::string crlf;
    for (char c : file) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(add(crlf).outcome, Outcome::Refused);

    const ProgramsListEdit garbage = add("timeout: 0:10:00\n" + std::string(60, 'x') + "\n");
    EXPECT_EQ(garbage.reason, "line 2 is neither a setting nor a comment: \"" + std::string(40, 'x') + "...\"");
    // Comments and blank lines are no settings, and need none.
    EXPECT_EQ(add("# a comment\n! another\n; and one more\n\n   \n").outcome, Outcome::Added);
}

}  // namespace
}  // namespace skyfolio
