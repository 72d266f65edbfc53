#include "platform/single_instance.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace skyfolio {
namespace {

TEST(SingleInstanceTest, OneClaimAtATime) {
    test::TempFolder folder;
    const std::string lock = folder.file("skyfolio.lock");
    {
        const SingleInstance first(lock);
        EXPECT_TRUE(first.isFirst());
        EXPECT_FALSE(SingleInstance(lock).isFirst());
        EXPECT_TRUE(SingleInstance(folder.file("other-display.lock")).isFirst());
    }
    EXPECT_TRUE(SingleInstance(lock).isFirst());
}

TEST(SingleInstanceTest, ALockFileThatCannotBeOpenedDoesNotStopTheProgram) {
    EXPECT_TRUE(SingleInstance("/nonexistent-folder/skyfolio.lock").isFirst());
}

TEST(SingleInstanceTest, OneClaimPerUserAndDisplay) {
    const char* saved = std::getenv("DISPLAY");
    const std::string savedDisplay = saved ? saved : "";
    const auto pathFor = [](const char* display) {
        setenv("DISPLAY", display, 1);
        return singleInstanceLockPath();
    };
    EXPECT_EQ(pathFor(":7"), pathFor(":7.1"));
    EXPECT_NE(pathFor(":7"), pathFor(":8"));
    EXPECT_NE(pathFor(":7"), pathFor("otherhost:7"));
    const std::string plain = pathFor(":7"), odd = pathFor("../../x:7");
    EXPECT_EQ(odd.substr(0, odd.rfind('/')), plain.substr(0, plain.rfind('/')));  // no way out of the folder
    EXPECT_NE(plain.find("/skyfolio-" + std::to_string(getuid()) + "-"), std::string::npos);
    if (saved)
        setenv("DISPLAY", savedDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

}  // namespace
}  // namespace skyfolio
