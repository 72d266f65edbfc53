#include "platform/watch_at_login.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace skyfolio {
namespace {

std::string execLine(const std::string& entry) {
    const size_t at = entry.find("\nExec=");
    return entry.substr(at + 1, entry.find('\n', at + 1) - at - 1);
}

TEST(WatchAtLoginTest, TheEntryNamesTheCommandWhereTheSearchPathFindsThisProgram) {
    const test::TempFolder folder;
    const std::string program = folder.file("skyfolio");
    test::writeFile(program, "");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    EXPECT_EQ(execLine(autostartEntry(program, "/nowhere:" + folder.path())), "Exec=skyfolio --watch");
    // A portable copy is named where it lies, quoted as the entries want it.
    EXPECT_EQ(execLine(autostartEntry(program, "/nowhere")), "Exec=" + program + " --watch");
    EXPECT_EQ(execLine(autostartEntry("/home/ann/my pics/$sky\"100%\"/skyfolio", "")),
              "Exec=\"/home/ann/my pics/\\\\$sky\\\\\"100%%\\\\\"/skyfolio\" --watch");
}

}  // namespace
}  // namespace skyfolio
