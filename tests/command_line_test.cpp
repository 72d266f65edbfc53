#include "startup/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace skyfolio {
namespace {

TEST(SwitchTest, TheFirstTwoCharactersLowerCasedChooseTheRole) {
    const struct {
        const char* text;
        Role role;
    } cases[] = {
        {"/s", Role::Saver},       {"/S", Role::Saver},       {"/s:123", Role::Saver},  {"/s 123", Role::Saver},
        {"/c", Role::Settings},    {"/c:4711", Role::Settings}, {"/C", Role::Settings},
        {"/p 4711", Role::Preview}, {"/P4711", Role::Preview},
        {"", Role::None},          {"s", Role::None},         {" /s", Role::None},      {"-s", Role::None},
        {"/", Role::None},         {"/x", Role::None},        {"//s", Role::None},      {"\\s", Role::None},
        // The one argument of its own is taken whole, as written; others still end silently.
        {"--add-to-xscreensaver", Role::AddToXscreensaver},   {"--add-to-xscreensaver /s", Role::None},
        {"--ADD-TO-XSCREENSAVER", Role::None},                {" --add-to-xscreensaver", Role::None},
        {"--root", Role::None},    {"--window-id 0x1a00004", Role::None},
    };
    for (const auto& c : cases) EXPECT_EQ(roleOf(c.text), c.role) << '"' << c.text << '"';
}

TEST(SwitchTest, ArgumentsAreJoinedBySingleBlanks) {
    const auto text = [](std::vector<const char*> argv) { return argumentText(int(argv.size()), argv.data()); };
    EXPECT_EQ(text({"skyfolio"}), "");
    EXPECT_EQ(text({"skyfolio", "/p", "4711"}), "/p 4711");
    EXPECT_EQ(text({"skyfolio", "/s:123"}), "/s:123");
    EXPECT_EQ(text({"skyfolio", " /s"}), " /s");
    EXPECT_EQ(text({"skyfolio", "", "/s"}), " /s");
    EXPECT_EQ(argumentText(0, nullptr), "");
}

TEST(PreviewHandleTest, ReadsTheLeadingNumberAfterTheSwitchAndOneSeparator) {
    EXPECT_EQ(PreviewHandle("/p 4711"), 4711u);
    EXPECT_EQ(PreviewHandle("/p:4711"), 4711u);
    EXPECT_EQ(PreviewHandle("/p4711"), 711u);  // exactly three characters are dropped
    EXPECT_EQ(PreviewHandle("/p   42 and more"), 42u);
    EXPECT_EQ(PreviewHandle("/p 4711.6"), 4712u);
    EXPECT_EQ(PreviewHandle("/p 2147483647"), 2147483647u);
}

TEST(PreviewHandleTest, NoUsableWindowIdGivesNone) {
    for (const char* text : {"", "/p", "/p ", "/p abc", "/p 0", "/p 0x1a00004", "/p -5", "/p 2147483648",
                             "/p 99999999999999999999", "/p 1e400"})
        EXPECT_EQ(PreviewHandle(text), std::nullopt) << '"' << text << '"';
}

}  // namespace
}  // namespace skyfolio
