#include "startup/input_watch.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_form_window.h"
#include "settings/conversions.h"
#include "tests/support/fake_saver_host.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

class InputWatchTest : public ::testing::Test {
protected:
    InputWatchTest() {
        settings.cfgMouseSensitivity = 5;
        settings.cfgPasswordOn = 0;
    }

    // Moves the pointer to x on one line, a little later each time.
    void moveTo(float x) {
        watch.Form_MouseMove(x, 300);
        clock.advance(0.1);
    }
    // The first event only gives the position to compare with.
    void arm() { moveTo(100); }
    void movesBy20(int count) {
        for (int i = 0; i < count; ++i) moveTo(x_ += 20);
    }

    SaverSettings settings;
    test::FakeSaverHost host;
    test::FakeFormWindow window;
    test::FakeClock clock;
    int prompts = 0;
    InputWatch watch{settings, host, window, clock, [this] { ++prompts; }};

private:
    float x_ = 100;
};

TEST_F(InputWatchTest, AnyKeyOrMouseButtonEndsTheSaver) {
    watch.Form_KeyDown();
    EXPECT_EQ(host.unloads, 1);
    EXPECT_TRUE(host.ended);

    test::FakeSaverHost other;
    InputWatch(settings, other, window, clock, [] {}).Form_MouseDown();
    EXPECT_EQ(other.unloads, 1);
    EXPECT_TRUE(other.ended);
    EXPECT_EQ(prompts, 0);
}

TEST_F(InputWatchTest, WithPasswordProtectionThePromptOpensAboveTheRunningSaver) {
    settings.cfgPasswordOn = 1;
    watch.Form_KeyDown();
    EXPECT_FALSE(host.ended);
    EXPECT_EQ(host.unloads, 0);
    EXPECT_FALSE(window.inputEnabled);
    EXPECT_EQ(window.placements, 1);
    EXPECT_FALSE(window.topmost);
    EXPECT_EQ(prompts, 1);

    // Enough movement does the same.
    settings.cfgMouseSensitivity = 1;
    arm();
    movesBy20(1);
    EXPECT_FALSE(host.ended);
    EXPECT_EQ(prompts, 2);
}

TEST_F(InputWatchTest, TheFirstMovementOnlyGivesThePositionToCompareWith) {
    settings.cfgMouseSensitivity = 1;
    moveTo(800);
    EXPECT_FALSE(host.ended);
    moveTo(820);
    EXPECT_TRUE(host.ended);
}

TEST_F(InputWatchTest, MovementsOfThreeUnitsOrLessNeverCount) {
    settings.cfgMouseSensitivity = 1;
    arm();
    for (int i = 0; i < 200; ++i) {
        const float step = (i % 2) ? -3.0f : 3.0f;
        watch.Form_MouseMove(100 + step, 300 + step);
        watch.Form_MouseMove(100, 300);
    }
    EXPECT_FALSE(host.ended);
    watch.Form_MouseMove(103.5f, 300);
    EXPECT_TRUE(host.ended);
}

TEST_F(InputWatchTest, TheSensitivityCountWithinTwoSecondsEndsTheSaver) {
    arm();
    movesBy20(4);
    EXPECT_FALSE(host.ended);
    movesBy20(1);
    EXPECT_TRUE(host.ended);
}

TEST_F(InputWatchTest, MovementsAfterAPauseStartANewCount) {
    arm();
    movesBy20(4);
    clock.advance(3);
    movesBy20(4);
    EXPECT_FALSE(host.ended);  // the late movement opened a new window
    movesBy20(1);
    EXPECT_TRUE(host.ended);
}

TEST_F(InputWatchTest, ALateMovementNeverCompletesAnOldCount) {
    arm();
    movesBy20(4);
    clock.advance(3600);
    movesBy20(1);
    EXPECT_FALSE(host.ended);
}

TEST_F(InputWatchTest, ACountingWindowOpenedBeforeMidnightClosesAfterIt) {
    clock.now = 86399.0;
    arm();
    movesBy20(4);
    clock.now = 2.0;
    movesBy20(4);
    EXPECT_FALSE(host.ended);

    // Yet movements on both sides of midnight within two seconds add up.
    test::FakeSaverHost other;
    InputWatch across(settings, other, window, clock, [] {});
    clock.now = 86399.2;
    float x = 100;
    across.Form_MouseMove(x, 300);
    for (int i = 0; i < 5; ++i) {
        across.Form_MouseMove(x += 20, 300);
        clock.now = clock.now + 0.3 >= 86400 ? clock.now + 0.3 - 86400 : clock.now + 0.3;
    }
    EXPECT_TRUE(other.ended);
}

TEST_F(InputWatchTest, AWindowStartRoundedUpIsNotADayAgo) {
    clock.now = 1000.6;  // the window opens at second 1001
    arm();
    movesBy20(5);
    EXPECT_TRUE(host.ended);
}

TEST_F(InputWatchTest, ThePictureBoxKeepsItsOwnPositionInPixels) {
    settings.cfgMouseSensitivity = 1;
    arm();
    watch.FirstPicture_MouseMove(50, 40);  // the box's first event
    EXPECT_FALSE(host.ended);
    watch.FirstPicture_MouseMove(53, 43);
    EXPECT_FALSE(host.ended);
    watch.FirstPicture_MouseMove(60, 43);
    EXPECT_TRUE(host.ended);
}

TEST_F(InputWatchTest, TwipsOfAWideScreenAreNoProblem) {
    settings.cfgMouseSensitivity = 1;
    watch.Form_MouseMove(2560 * 15, 1440 * 15);
    watch.Form_MouseMove(2559 * 15, 1440 * 15);
    EXPECT_TRUE(host.ended);
}

TEST_F(InputWatchTest, ASensitivityThatIsNoCountNeverEndsByMovement) {
    settings.cfgMouseSensitivity = NumberValue("many");
    arm();
    movesBy20(30);
    EXPECT_FALSE(host.ended);
}

}  // namespace
}  // namespace skyfolio
