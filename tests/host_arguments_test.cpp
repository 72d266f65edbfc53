#include "startup/host_arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace skyfolio {
namespace {

std::optional<HostArguments> read(std::vector<std::string_view> arguments) { return hostArguments(arguments); }

TEST(HostArgumentsTest, OnlyADaemonsSwitchesMakeHostMode) {
    EXPECT_TRUE(read({"--root"}));
    EXPECT_TRUE(read({"--window-id", "0x1a00004"}));
    // xscreensaver-settings' preview: the programs line, then the window.
    const auto preview = read({"--root", "--window-id", "0x1a00004"});
    ASSERT_TRUE(preview);
    EXPECT_TRUE(preview->root);
    EXPECT_EQ(preview->windowId, "0x1a00004");
    // Anything else keeps the classic switch rules.
    for (const std::vector<std::string_view>& other :
         {std::vector<std::string_view>{}, {"/s"}, {"--root", "/s"}, {"/s", "--root"}, {"-root"}, {"--ROOT"},
          {"--root", "--delay", "1"}, {"--window-id=0x1a00004"}, {"--root "}}) {
        EXPECT_FALSE(read(other)) << other.size();
    }
}

TEST(HostArgumentsTest, AWindowIdSwitchWithoutItsIdIsAnError) {
    const auto host = read({"--root", "--window-id"});
    ASSERT_TRUE(host);
    const WindowChoice choice = chooseHostWindow(*host, "0x400001");
    EXPECT_FALSE(choice.window);
    EXPECT_NE(choice.error.find("--window-id"), std::string::npos) << choice.error;
}

TEST(HostArgumentsTest, WindowIdsAreHexOrDecimalAndFitThirtyTwoBits) {
    EXPECT_EQ(parseWindowId("0x1A00004"), 0x1A00004u);
    EXPECT_EQ(parseWindowId("0x1a00004"), 0x1A00004u);
    EXPECT_EQ(parseWindowId("0X1a00004"), 0x1A00004u);
    EXPECT_EQ(parseWindowId("27262980"), 27262980u);
    EXPECT_EQ(parseWindowId("4294967295"), 4294967295u);
    EXPECT_EQ(parseWindowId("0xffffffff"), 4294967295u);
    EXPECT_EQ(parseWindowId("00042"), 42u);
    for (const char* bad : {"", "0x", "0", "0x0", "4294967296", "0x100000000", "99999999999999999999", "-5", "+5",
                            "0x-5", " 42", "42 ", "42abc", "1a00004", "0x1g", "x12", "window", "4.2"})
        EXPECT_FALSE(parseWindowId(bad)) << '"' << bad << '"';
}

TEST(HostArgumentsTest, TheWindowIdSwitchWinsOverTheDaemonsVariableWhichWinsOverRoot) {
    const HostArguments root{.root = true, .windowId = std::nullopt};
    const HostArguments named{.root = true, .windowId = "0x200"};
    const HostArguments namedAlone{.root = false, .windowId = "512"};

    EXPECT_EQ(chooseHostWindow(named, "0x300").window, 0x200u);
    EXPECT_EQ(chooseHostWindow(namedAlone, "0x300").window, 512u);
    EXPECT_EQ(chooseHostWindow(root, "0x300").window, 0x300u);
    EXPECT_EQ(chooseHostWindow(root, "768").window, 768u);
    // Neither: the real root window.
    const WindowChoice plain = chooseHostWindow(root, nullptr);
    EXPECT_FALSE(plain.window);
    EXPECT_TRUE(plain.error.empty());
    EXPECT_FALSE(chooseHostWindow(root, "").window);
    EXPECT_TRUE(chooseHostWindow(root, "").error.empty());
}

TEST(HostArgumentsTest, AWindowThatIsNoNumberIsAnErrorNotTheNextChoice) {
    const HostArguments root{.root = true, .windowId = std::nullopt};
    const HostArguments named{.root = true, .windowId = "0xzz"};
    // A garbled id from the switch never falls back to the variable's window,
    // nor a garbled variable to the root window: both would draw elsewhere.
    const WindowChoice fromSwitch = chooseHostWindow(named, "0x300");
    EXPECT_FALSE(fromSwitch.window);
    EXPECT_NE(fromSwitch.error.find("\"0xzz\""), std::string::npos) << fromSwitch.error;
    const WindowChoice fromVariable = chooseHostWindow(root, "garbage");
    EXPECT_FALSE(fromVariable.window);
    EXPECT_NE(fromVariable.error.find("XSCREENSAVER_WINDOW"), std::string::npos) << fromVariable.error;
    // A valid switch makes a garbled variable no matter.
    EXPECT_EQ(chooseHostWindow(HostArguments{.root = false, .windowId = "9"}, "garbage").window, 9u);
}

}  // namespace
}  // namespace skyfolio
