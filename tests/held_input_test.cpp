#include "saver/effects.h"
#include "saver/float_effect.h"
#include "saver/transitions.h"
#include "startup/held_input.h"
#include "startup/input_watch.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_form_window.h"
#include "tests/support/saver_fixture.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

using namespace std::chrono_literals;

// Input on its way from the window to the input watch, over a Float saver
// on an 800 x 600 screen whose 40 x 30 picture comes in by a Left wipe.
class HeldInputTest : public test::SaverFixture {
protected:
    HeldInputTest() {
        set(keys::mode, std::to_string(kFloat));
        set(keys::randomEffect, "0");
        set(keys::centerImage, "1");
        set(keys::mouseSensitivity, "1");
        images = {"a.bmp"};
        set(keys::newTotal, "1");
        fakes.pictures.files["a.bmp"] = test::flatPixels(40, 30);
    }
    // The saver with the transition, the watch and the input; the picture
    // clock's first tick starts the change.
    void startWith(int transition) {
        set(keys::effectMode, std::to_string(transition));
        const SaverSettings& kept = settings();
        saver = &load();
        watch = std::make_unique<InputWatch>(kept, fakes.host, window, clock, [] {});
        input = std::make_unique<HeldInput>(*saver, *watch);
        saver->Timer2_Timer();
    }
    void tickUntilTheChangeIsOver() {
        while (saver->family<FloatEffect>().ChangeTimer.Enabled()) {
            fakes.clock.advance(
                std::chrono::milliseconds(std::max(saver->family<FloatEffect>().ChangeTimer.Interval(), 16)));
            saver->ChangeTimer_Timer();
            input->release();
        }
    }

    test::FakeFormWindow window;
    test::FakeClock clock;
    Form1* saver = nullptr;
    std::unique_ptr<InputWatch> watch;
    std::unique_ptr<HeldInput> input;
};

TEST_F(HeldInputTest, AKeyDuringATransitionEndsTheSaverOnceItIsOver) {
    startWith(kLeftWipe);
    ASSERT_TRUE(saver->holdsInput());
    input->keyDown();
    input->release();
    EXPECT_FALSE(fakes.host.ended);
    tickUntilTheChangeIsOver();
    EXPECT_TRUE(fakes.host.ended);
    EXPECT_EQ(saver->family<FloatEffect>().FirstPicture.picture.size(), (PictureSize{40, 30}))
        << "the whole picture came first";
}

TEST_F(HeldInputTest, ThePauseHandlesInputAtOnce) {
    startWith(kStandard);
    input->mouseDown();
    EXPECT_TRUE(fakes.host.ended);
}

TEST_F(HeldInputTest, OverThePictureThePointerCountsInItsOwnPixels) {
    startWith(kStandard);
    tickUntilTheChangeIsOver();
    ASSERT_EQ(pixelsOf(saver->family<FloatEffect>().FirstPicture), (PixelRect{380, 285, 40, 30}));
    // The window lies right of another screen's: the desktop plays no part here.
    input->mouseMove({390, 290, 1190, 290});  // the picture's first event
    input->mouseMove({393, 292, 1193, 292});  // three of its pixels: no movement
    EXPECT_FALSE(fakes.host.ended);
    input->mouseMove({397, 292, 1197, 292});
    EXPECT_TRUE(fakes.host.ended);
}

TEST_F(HeldInputTest, ElsewhereTheFormCountsTwipsOfTheDesktop) {
    startWith(kStandard);
    tickUntilTheChangeIsOver();
    input->mouseMove({10, 10, 810, 10});
    input->mouseMove({11, 10, 811, 10});  // one pixel is fifteen twips
    EXPECT_TRUE(fakes.host.ended);
}

// Two screens side by side, each 800 pixels wide, with a copy effect: one
// watch counts the pointer's moves over both windows.
TEST_F(HeldInputTest, AMoveFromOneScreensWindowToAnothersHasItsTrueSize) {
    set(keys::mode, std::to_string(kSkyflock));
    const SaverSettings& kept = settings();
    test::FakeSeams right;
    right.pictures.cache = fakes.pictures.cache;
    Form1& leftForm = load();
    Form1& rightForm = start(right);
    InputWatch shared(kept, fakes.host, window, clock, [] {});
    HeldInput onLeft(leftForm, shared);
    HeldInput onRight(rightForm, shared);

    onLeft.mouseMove({798, 300, 798, 300});  // the first event only gives the position
    onLeft.mouseMove({799, 300, 799, 300});
    onRight.mouseMove({0, 300, 800, 300});  // across the edge: one pixel, not 799
    onRight.mouseMove({2, 300, 802, 300});
    EXPECT_FALSE(fakes.host.ended);
    onRight.mouseMove({10, 300, 810, 300});
    EXPECT_TRUE(fakes.host.ended);
}

TEST_F(HeldInputTest, ATransitionOnOneScreenKeepsNoOtherWindowWaiting) {
    startWith(kLeftWipe);
    ASSERT_TRUE(saver->holdsInput());
    test::FakeSeams other;
    set(keys::effectMode, std::to_string(kStandard));
    HeldInput elsewhere(start(other), *watch);
    elsewhere.keyDown();
    EXPECT_TRUE(fakes.host.ended);
}

TEST_F(HeldInputTest, AScreenSetUpAgainHandsOnWhatWaitedForItsTransition) {
    startWith(kLeftWipe);
    input->keyDown();
    input->release();
    ASSERT_FALSE(fakes.host.ended);
    test::FakeSeams resized(PictureSize{1024, 768});
    input->follow(start(resized));
    EXPECT_TRUE(fakes.host.ended);
}

}  // namespace
}  // namespace skyfolio
