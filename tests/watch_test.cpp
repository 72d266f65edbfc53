#include "settings/idle_minutes.h"
#include "startup/watch_arguments.h"
#include "startup/watch_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skyfolio {
namespace {

// The rules with every action they take written down in order.
struct RecordedRules {
    std::vector<std::string> actions;
    WatchRules rules{{
        .startSaver = [this] { actions.push_back("start"); },
        .endSaver = [this] { actions.push_back("end"); },
        .countAfresh = [this] { actions.push_back("count"); },
    }};
};

TEST(WatchRulesTest, TheSaverStartsOncePerIdlePeriodAndTheCountStartsAgainWhenItEnds) {
    RecordedRules r;
    r.rules.userIdle();
    r.rules.userIdle();  // a running saver is not started twice
    r.rules.saverEnded();
    r.rules.userIdle();
    EXPECT_EQ(r.actions, (std::vector<std::string>{"start", "count", "start"}));
}

TEST(WatchRulesTest, ALockEndsTheSaverAndHoldsItOffUntilItGoes) {
    RecordedRules r;
    r.rules.userIdle();
    r.rules.lockChanged(true);
    r.rules.saverEnded();
    r.rules.userIdle();
    r.rules.lockChanged(true);  // said twice by two services
    r.rules.lockChanged(false);
    r.rules.userIdle();
    EXPECT_EQ(r.actions, (std::vector<std::string>{"start", "end", "count", "count", "start"}));
}

TEST(WatchRulesTest, AnInhibitionHoldsTheSaverOffAndItsEndCountsAfresh) {
    RecordedRules r;
    r.rules.inhibitionChanged(true);
    r.rules.userIdle();
    r.rules.inhibitionChanged(false);
    r.rules.userIdle();
    // A saver that runs already stays when a player starts.
    r.rules.inhibitionChanged(true);
    EXPECT_EQ(r.actions, (std::vector<std::string>{"count", "start"}));
}

WatchArgumentsRead read(std::vector<std::string_view> arguments) { return watchArguments(arguments); }

TEST(WatchArgumentsTest, WatchAloneOrWithAnIdleTimeInRange) {
    EXPECT_FALSE(read({"/s"}).watch);
    EXPECT_FALSE(read({"/s", "--watch"}).watch);
    EXPECT_TRUE(read({"--watch"}).watch);
    EXPECT_FALSE(read({"--watch"}).arguments.idleTime);
    EXPECT_EQ(read({"--watch", "--idle-seconds", "5"}).arguments.idleTime, std::chrono::seconds(5));
    EXPECT_EQ(read({"--watch", "--idle-seconds", "43200"}).arguments.idleTime, std::chrono::seconds(43200));
    for (const std::vector<std::string_view>& wrong :
         {std::vector<std::string_view>{"--watch", "--idle-seconds"}, {"--watch", "--idle-seconds", "0"},
          {"--watch", "--idle-seconds", "43201"}, {"--watch", "--idle-seconds", "5s"},
          {"--watch", "--idle-seconds", "-5"}, {"--watch", "/s"}, {"--watch", "--idle-seconds", "5", "x"}}) {
        const WatchArgumentsRead r = read(wrong);
        EXPECT_TRUE(r.watch);
        EXPECT_NE(r.error.find("usage"), std::string::npos) << wrong.back();
    }
}

TEST(IdleMinutesTest, AWholeNumberOfOneTo720MinutesElseTheInstalledTen) {
    EXPECT_EQ(idleMinutesValue("1"), 1);
    EXPECT_EQ(idleMinutesValue("720"), 720);
    EXPECT_EQ(idleMinutesValue(" 25"), 25);
    for (const char* other : {"", "0", "721", "-3", "five", "10x", "1e9"}) EXPECT_EQ(idleMinutesValue(other), 10) << other;
}

}  // namespace
}  // namespace skyfolio
