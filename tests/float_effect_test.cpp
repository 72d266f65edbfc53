// Float on a headless screen: the picture clock, the pause and the drawn
// transitions as timed state, the motion tick, and their failures.

#include "platform/image_surface.h"
#include "saver/effects.h"
#include "saver/float_effect.h"
#include "saver/transitions.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/saver_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace skyfolio {
namespace {

using namespace std::chrono_literals;
using test::FakeSeams;

constexpr int kTwips = 15;

uint32_t colourOf(int width) { return rgb32((width * 7) % 256, 200, 100); }

// Float over an 800 x 600 screen (12000 x 9000 twips), centred, with three
// pictures of known sizes and a Standard change every 10 seconds.
class FloatEffectTest : public test::SaverFixture {
protected:
    FloatEffectTest() {
        set(keys::mode, std::to_string(kFloat));
        set(keys::effectMode, std::to_string(kStandard));
        set(keys::randomEffect, "0");
        set(keys::centerImage, "1");
        set(keys::nextImageTime, "10");
        list({picture("a.bmp", 40, 30), picture("b.bmp", 20, 10), picture("c.bmp", 60, 50)});
    }
    std::string picture(const std::string& name, int w, int h) {
        fakes.pictures.files[name] = test::flatPixels(w, h, colourOf(w));
        return name;
    }
    // The picture list afresh, its count `total` unless given.
    void list(const std::vector<std::string>& paths, int total = -1) {
        images = paths;
        set(keys::newTotal, std::to_string(total < 0 ? int(paths.size()) : total));
    }
    Form1& loadFloat() {
        Form1& saver = load();
        EXPECT_TRUE(fakes.host.messages.empty());
        EXPECT_TRUE(saver.family<FloatEffect>().Timer2.Enabled());
        return saver;
    }
    // The change under way carried to its end by ChangeTimer's ticks, as the
    // timers would fire them; the ticks it took.
    static int finishChange(Form1& saver, test::FakeSteadyClock& clock) {
        int ticks = 0;
        while (saver.family<FloatEffect>().ChangeTimer.Enabled() && ticks < 100000) {
            clock.advance(std::chrono::milliseconds(std::max(saver.family<FloatEffect>().ChangeTimer.Interval(), 16)));
            saver.ChangeTimer_Timer();
            ++ticks;
        }
        return ticks;
    }
    // A tick of the picture clock and the change it starts, to its end.
    static void change(Form1& saver, test::FakeSteadyClock& clock) {
        saver.Timer2_Timer();
        finishChange(saver, clock);
    }
    void change(Form1& saver) { change(saver, fakes.clock); }
    PictureSize shown() { return form().family<FloatEffect>().FirstPicture.picture.size(); }
    static std::string missingMessage(const std::string& path) {
        return path + "\ndoes not exist! Skyfolio will\nnot function unless a different image is reloaded.";
    }
};

TEST_F(FloatEffectTest, StandardShowsTheListInOrderCentredAfterAPauseAndWraps) {
    Form1& saver = loadFloat();
    const FloatBox& box = saver.family<FloatEffect>().FirstPicture;
    const std::vector<PictureSize> expected = {{40, 30}, {20, 10}, {60, 50}, {40, 30}};
    for (const PictureSize& size : expected) {
        const auto start = fakes.clock.now();
        saver.Timer2_Timer();
        EXPECT_FALSE(box.visible) << "blank during the pause";
        EXPECT_FALSE(saver.holdsInput()) << "the pause handles input";
        EXPECT_GE(finishChange(saver, fakes.clock), 1);
        EXPECT_EQ(fakes.clock.now() - start, 300ms);
        EXPECT_EQ(shown(), size);
        EXPECT_TRUE(box.visible);
        EXPECT_EQ(box.left, (12000 - size.width * kTwips) / 2);
        EXPECT_EQ(box.top, (9000 - size.height * kTwips) / 2);
        EXPECT_EQ(saver.family<FloatEffect>().Timer2.Interval(), 10000);
    }
    EXPECT_FALSE(saver.family<FloatEffect>().Timer3.Enabled());  // centred: it never moves
}

TEST_F(FloatEffectTest, ThePauseIsTimedOnTheSteadyClockAndThePictureClockNeverNests) {
    Form1& saver = loadFloat();
    saver.Timer2_Timer();
    ASSERT_TRUE(saver.family<FloatEffect>().ChangeTimer.Enabled());
    EXPECT_EQ(saver.family<FloatEffect>().ChangeTimer.Interval(), 300);
    // A tick the driver delivers early only waits for the rest.
    fakes.clock.advance(120ms);
    saver.ChangeTimer_Timer();
    EXPECT_EQ(saver.family<FloatEffect>().ChangeTimer.Interval(), 180);
    EXPECT_FALSE(saver.family<FloatEffect>().FirstPicture.visible);
    // The clock's own tick during the change is dropped.
    saver.Timer2_Timer();
    EXPECT_EQ(saver.family<FloatEffect>().floatImageIndex, 0);
    fakes.clock.advance(180ms);
    saver.ChangeTimer_Timer();
    EXPECT_TRUE(saver.family<FloatEffect>().FirstPicture.visible);
    EXPECT_FALSE(saver.family<FloatEffect>().ChangeTimer.Enabled());
    EXPECT_EQ(saver.family<FloatEffect>().floatImageIndex, 1);
    EXPECT_EQ(fakes.pictures.loaded, std::vector<std::string>{"a.bmp"});
}

// The steps drawn on the screen, as a real surface keeps them.
class FloatScreenTest : public FloatEffectTest {
protected:
    Form1& startOnScreen(PictureSize screen = {800, 600}) {
        image.emplace(QSize(screen.width, screen.height), [this](const std::vector<QRect>&) { ++presents; });
        saver_ = std::make_unique<Form1>(settings(), SaverSeams{*image, fakes.pictures, fakes.host, fakes.random, fakes.clock});
        saver_->Form_Load();
        return *saver_;
    }
    // How many columns of row `y` show the picture's colour from `x` on.
    int columnsShown(int x, int y, uint32_t colour) const {
        const QImage screen = image->shown();
        int n = 0;
        while (x + n < screen.width() && screen.pixel(x + n, y) == colour) ++n;
        return n;
    }

    std::optional<ImageSurface> image;
    int presents = 0;

private:
    std::unique_ptr<Form1> saver_;
};

TEST_F(FloatScreenTest, ALeftWipeRevealsAColumnPerMillisecondPresentedOncePerTick) {
    list({picture("wide.bmp", 200, 30)});
    set(keys::effectMode, std::to_string(kLeftWipe));
    Form1& saver = startOnScreen();
    const PixelRect at{300, 285, 200, 30};  // centred
    const uint32_t colour = colourOf(200);

    saver.Timer2_Timer();
    EXPECT_TRUE(saver.holdsInput());
    EXPECT_EQ(columnsShown(at.x, at.y, colour), 1) << "the first step at once";
    EXPECT_TRUE(saver.family<FloatEffect>().ChangeTimer.Enabled());
    for (int tick = 1; tick <= 5; ++tick) {
        const int before = presents;
        fakes.clock.advance(16ms);
        saver.ChangeTimer_Timer();
        EXPECT_EQ(columnsShown(at.x, at.y, colour), 1 + 16 * tick);
        EXPECT_EQ(presents, before + 1);
    }
    // A tick long overdue catches up by one display frame, no more.
    fakes.clock.advance(200ms);
    saver.ChangeTimer_Timer();
    EXPECT_EQ(columnsShown(at.x, at.y, colour), 81 + 17);
    EXPECT_EQ(columnsShown(at.x + 98, at.y + 29, rgb32(0, 0, 0)), 800 - (at.x + 98)) << "the rest still blank";

    finishChange(saver, fakes.clock);
    EXPECT_FALSE(saver.holdsInput());
    EXPECT_EQ(columnsShown(at.x, at.y + 29, colour), 200);
    EXPECT_EQ(saver.family<FloatEffect>().FirstPicture.picture.size(), (PictureSize{200, 30}));
    EXPECT_EQ(saver.family<FloatEffect>().Timer2.Interval(), 10000);
}

TEST_F(FloatScreenTest, StepsThatShowNothingTakeNoTime) {
    // 1000 pixels wide on an 800-pixel screen: the first 100 columns lie off it.
    list({picture("huge.bmp", 1000, 20)});
    set(keys::effectMode, std::to_string(kLeftWipe));
    set(keys::fitLargePictures, "0");
    Form1& saver = startOnScreen();
    saver.Timer2_Timer();
    EXPECT_EQ(columnsShown(0, 290, colourOf(1000)), 1);
    fakes.clock.advance(16ms);
    saver.ChangeTimer_Timer();
    EXPECT_EQ(columnsShown(0, 290, colourOf(1000)), 17);
    // The last 100 columns are off the screen too: the wipe ends with the 800th.
    EXPECT_EQ(finishChange(saver, fakes.clock), (800 - 17 + 15) / 16);
}

// A 400 x 1200 picture shrinks to 200 x 600 on the 800 x 600 screen, and a
// Left wipe over it takes a step per column shown.
TEST_F(FloatScreenTest, AWipeOverAShrunkPictureStepsOverTheColumnsShown) {
    list({picture("tall.bmp", 400, 1200)});
    set(keys::effectMode, std::to_string(kLeftWipe));
    for (const auto& [fit, columns] : {std::pair{"1", 200}, {"0", 400}}) {
        SCOPED_TRACE(fit);
        set(keys::fitLargePictures, fit);
        Form1& saver = startOnScreen();
        saver.Timer2_Timer();
        const PixelRect at = pixelsOf(saver.family<FloatEffect>().FirstPicture);
        EXPECT_EQ(at.width, columns);
        EXPECT_EQ(columnsShown(at.x, 300, colourOf(400)), 1);
        // The first step at once, then 16 a tick.
        EXPECT_EQ(finishChange(saver, fakes.clock), (columns - 1 + 15) / 16);
        EXPECT_EQ(columnsShown(at.x, 300, colourOf(400)), columns);
    }
}

TEST_F(FloatScreenTest, EveryTransitionEndsWithTheWholePictureAndNoStrayPixels) {
    for (int transition = kLeftWipe; transition <= kVerticalBlinds; ++transition) {
        SCOPED_TRACE(kTransitionNames[size_t(transition)]);
        list({picture("odd.bmp", 41, 45)});
        set(keys::effectMode, std::to_string(transition));
        Form1& saver = startOnScreen({100, 100});
        saver.Timer2_Timer();
        while (saver.family<FloatEffect>().ChangeTimer.Enabled()) {
            fakes.clock.advance(16ms);
            saver.ChangeTimer_Timer();
            // Part way, only the picture or the background shows, and only in the box.
            const QImage screen = image->shown();
            for (int y = 0; y < 100; ++y)
                for (int x = 0; x < 100; ++x) {
                    const uint32_t pixel = screen.pixel(x, y);
                    const bool inBox = x >= 29 && x < 70 && y >= 27 && y < 72;
                    ASSERT_TRUE(pixel == rgb32(0, 0, 0) || (inBox && pixel == colourOf(41))) << x << "," << y;
                }
        }
        EXPECT_EQ(columnsShown(29, 27, colourOf(41)), 41);
        EXPECT_EQ(columnsShown(29, 71, colourOf(41)), 41);
    }
}

TEST_F(FloatEffectTest, MotionWaitsForATransitionAndComesRightAfter) {
    set(keys::centerImage, "0");
    set(keys::effectMode, std::to_string(kRightWipe));
    Form1& saver = loadFloat();
    fakes.random.draws = {0.0, 0.0};  // right and down
    saver.Timer2_Timer();
    ASSERT_TRUE(saver.holdsInput());
    const int left = saver.family<FloatEffect>().FirstPicture.left;
    saver.Timer3_Timer();
    saver.Timer3_Timer();
    EXPECT_EQ(saver.family<FloatEffect>().FirstPicture.left, left);
    finishChange(saver, fakes.clock);
    EXPECT_EQ(saver.family<FloatEffect>().FirstPicture.left, left + 15) << "one held tick, once";
}

TEST_F(FloatEffectTest, RandomModeDrawsATransitionEvenWhenStandardIsChosen) {
    set(keys::randomEffect, "1");
    Form1& saver = loadFloat();
    fakes.random.draws = {0.5};  // Up & down wipe: 15 steps of a 30-pixel-high picture
    saver.Timer2_Timer();
    EXPECT_TRUE(saver.holdsInput());
    ASSERT_FALSE(fakes.surface.draws.empty());
    EXPECT_EQ(fakes.surface.draws[0].part, (PixelRect{0, 15, 40, 1}));  // the middle row first
    EXPECT_EQ(finishChange(saver, fakes.clock), 1);
    EXPECT_EQ(shown(), (PictureSize{40, 30}));
}

TEST_F(FloatEffectTest, AnUnknownTransitionShowsThePictureAtOnce) {
    for (const char* index : {"9", "-1"}) {
        set(keys::effectMode, index);
        FakeSeams other;
        other.pictures = fakes.pictures;
        Form1& saver = start(other);
        saver.Timer2_Timer();
        EXPECT_FALSE(saver.family<FloatEffect>().ChangeTimer.Enabled()) << index;
        EXPECT_TRUE(other.host.messages.empty()) << index;
        EXPECT_EQ(saver.family<FloatEffect>().FirstPicture.picture.size(), (PictureSize{40, 30})) << index;
    }
}

TEST_F(FloatEffectTest, FloatingPicksADiagonalAtEveryChange) {
    set(keys::centerImage, "0");
    Form1& saver = loadFloat();
    fakes.random.draws = {0.7, 0.2, 0.1, 0.9};
    change(saver);
    EXPECT_TRUE(saver.family<FloatEffect>().Timer3.Enabled());
    EXPECT_EQ(saver.family<FloatEffect>().floatStepX, -15);
    EXPECT_EQ(saver.family<FloatEffect>().floatStepY, 15);
    change(saver);
    EXPECT_EQ(saver.family<FloatEffect>().floatStepX, 15);
    EXPECT_EQ(saver.family<FloatEffect>().floatStepY, -15);
    EXPECT_TRUE(saver.family<FloatEffect>().Timer2.Enabled());
}

TEST_F(FloatEffectTest, NeverChangeShowsOnePictureForTheWholeRun) {
    set(keys::neverChange, "True");
    Form1& centred = loadFloat();
    change(centred);
    EXPECT_FALSE(centred.family<FloatEffect>().Timer2.Enabled());
    EXPECT_FALSE(centred.family<FloatEffect>().Timer3.Enabled());
    EXPECT_EQ(shown(), (PictureSize{40, 30}));

    set(keys::centerImage, "0");
    Form1& floating = loadFloat();
    floating.Timer2_Timer();
    EXPECT_FALSE(floating.family<FloatEffect>().Timer3.Enabled()) << "it floats once the picture is in";
    finishChange(floating, fakes.clock);
    EXPECT_FALSE(floating.family<FloatEffect>().Timer2.Enabled());
    EXPECT_TRUE(floating.family<FloatEffect>().Timer3.Enabled());
}

TEST_F(FloatEffectTest, TheMotionTickOvershootsOneStepThenTurnsAndMovesThePictureOnTheScreen) {
    set(keys::centerImage, "0");
    Form1& saver = loadFloat();
    fakes.random.draws = {0.0, 0.9};  // right and up
    change(saver);
    FloatBox& box = saver.family<FloatEffect>().FirstPicture;
    box.left = 12000 - 600 - 15;  // the 40-pixel picture a step from the right edge
    box.top = 630;
    std::vector<std::pair<int, int>> path;
    for (int tick = 0; tick < 4; ++tick) {
        saver.Timer3_Timer();
        path.emplace_back(box.left, box.top);
    }
    const std::vector<std::pair<int, int>> expected = {{11400, 615}, {11415, 600}, {11400, 615}, {11385, 630}};
    EXPECT_EQ(path, expected);
    // The picture floats above the surface, where the box stands.
    EXPECT_EQ(fakes.surface.overlay.size(), (PictureSize{40, 30}));
    EXPECT_EQ(fakes.surface.overlayAt, std::pair(759, 42));  // 11385 and 630 twips
}

TEST_F(FloatEffectTest, APictureLargerThanTheScreenJittersInPlaceUnlessItShrinks) {
    list({picture("wide.bmp", 900, 20)});
    set(keys::centerImage, "0");
    set(keys::fitLargePictures, "0");
    Form1& saver = loadFloat();
    fakes.random.draws = {0.0, 0.0};
    change(saver);
    const int left = saver.family<FloatEffect>().FirstPicture.left;
    EXPECT_EQ(left, (12000 - 13500) / 2);
    std::vector<int> lefts;
    for (int tick = 0; tick < 4; ++tick) {
        saver.Timer3_Timer();
        lefts.push_back(saver.family<FloatEffect>().FirstPicture.left);
    }
    EXPECT_EQ(lefts, (std::vector<int>{left - 15, left, left - 15, left}));
    EXPECT_TRUE(fakes.host.messages.empty());
    EXPECT_TRUE(fakes.pictures.sizesAsked.empty());
}

// Shrunk, a picture larger than the screen is shown whole, decoded at the
// size it is shown at; one that fits is left alone.
TEST_F(FloatEffectTest, APictureLargerThanTheScreenShrinksToFitItWhole) {
    list({picture("photo.jpg", 1600, 900), picture("a.bmp", 40, 30), picture("tall.png", 300, 1200)});
    Form1& saver = loadFloat();
    const FloatBox& box = saver.family<FloatEffect>().FirstPicture;
    change(saver);
    EXPECT_EQ(shown(), (PictureSize{800, 450}));
    EXPECT_EQ(std::tuple(box.left, box.top, box.width, box.height), std::tuple(0, 1125, 12000, 6750)) << "centred";
    change(saver);
    EXPECT_EQ(shown(), (PictureSize{40, 30}));
    change(saver);
    EXPECT_EQ(shown(), (PictureSize{150, 600}));
    EXPECT_EQ(std::tuple(box.left, box.top), std::tuple(4875, 0));
    EXPECT_EQ(fakes.pictures.sizesAsked, (std::vector<PictureSize>{{800, 450}, {150, 600}}));
}

// The bounce works on the size shown: the shrunk picture drifts along the
// screen's free side and turns at the edges it touches.
TEST_F(FloatEffectTest, AShrunkPictureFloatsAlongTheSideThatHasRoom) {
    list({picture("photo.jpg", 1600, 900)});
    set(keys::centerImage, "0");
    Form1& saver = loadFloat();
    fakes.random.draws = {0.0, 0.0};  // right and down
    change(saver);
    std::vector<std::pair<int, int>> path;
    for (int tick = 0; tick < 4; ++tick) {
        saver.Timer3_Timer();
        path.emplace_back(saver.family<FloatEffect>().FirstPicture.left, saver.family<FloatEffect>().FirstPicture.top);
    }
    const std::vector<std::pair<int, int>> expected = {{15, 1140}, {0, 1155}, {-15, 1170}, {0, 1185}};
    EXPECT_EQ(path, expected);
}

TEST_F(FloatEffectTest, AMissingPictureEndsTheRunWhenItIsDue) {
    list({picture("a.bmp", 40, 30), "gone.jpg"});
    Form1& saver = loadFloat();
    change(saver);
    EXPECT_TRUE(fakes.host.messages.empty());
    saver.Timer2_Timer();
    EXPECT_TRUE(fakes.host.messages.empty()) << "a Standard change fails after its pause";
    finishChange(saver, fakes.clock);
    ASSERT_EQ(fakes.host.messages, std::vector<std::string>{missingMessage("gone.jpg")});
    EXPECT_EQ(fakes.host.unloads, 1);
    EXPECT_TRUE(fakes.host.ended);
    EXPECT_EQ(saver.family<FloatEffect>().floatImageIndex, 1);  // nothing more happened after the failure
}

TEST_F(FloatEffectTest, UnreadablePicturesAndShortListsEndTheRunWithTheMessage) {
    for (const char* transition : {"0", "6"}) {
        SCOPED_TRACE(transition);
        list({"unreadable.jpg"});
        set(keys::effectMode, transition);
        FakeSeams failing;
        Form1& saver = start(failing);
        change(saver, failing.clock);
        EXPECT_EQ(failing.host.messages, std::vector<std::string>{missingMessage("unreadable.jpg")});
        EXPECT_TRUE(failing.host.ended);
    }
    // A count of 3 with two entries: the third path is empty.
    list({picture("a.bmp", 40, 30), picture("b.bmp", 20, 10)}, 3);
    set(keys::effectMode, "0");
    Form1& saver = loadFloat();
    for (int tick = 0; tick < 3; ++tick) change(saver);
    EXPECT_EQ(fakes.host.messages, std::vector<std::string>{missingMessage("")});
}

TEST_F(FloatEffectTest, ASettingTheClockCannotUseEndsTheRunNamingIt) {
    set(keys::neverChange, "maybe");
    Form1& neverChange = loadFloat();
    neverChange.Timer2_Timer();
    EXPECT_EQ(fakes.host.messages,
              std::vector<std::string>{"The setting NeverChange=maybe cannot be used! Skyfolio will\n"
                                       "not function unless the settings are saved again.\n"
                                       "Please go into settings and press OK."});
    EXPECT_TRUE(fakes.host.ended);

    set(keys::neverChange, "False");
    set(keys::nextImageTime, "1e300");
    FakeSeams later;
    later.pictures = fakes.pictures;
    Form1& saver = start(later);
    later.random.draws = {};
    saver.Timer2_Timer();
    finishChange(saver, later.clock);
    ASSERT_EQ(later.host.messages.size(), 1u);
    EXPECT_EQ(later.host.messages[0].substr(0, 30), "The setting NextImageTime=1e+3");
    EXPECT_EQ(saver.family<FloatEffect>().FirstPicture.picture.size(), (PictureSize{40, 30}))
        << "after the first picture, as it is due";
}

TEST_F(FloatScreenTest, AMotionTickAndATransitionTickAllocateNothing) {
    list({picture("a.bmp", 960, 540)});
    set(keys::centerImage, "0");
    set(keys::effectMode, std::to_string(kVerticalBlinds));
    Form1& saver = startOnScreen({1920, 1080});
    saver.Timer2_Timer();
    for (int tick = 0; tick < 3; ++tick) {
        fakes.clock.advance(16ms);
        saver.ChangeTimer_Timer();
    }
    int64_t before = test::allocationsSoFar();
    for (int tick = 0; tick < 20; ++tick) {
        fakes.clock.advance(16ms);
        saver.ChangeTimer_Timer();
    }
    EXPECT_EQ(test::allocationsSoFar() - before, 0) << "transition";
    finishChange(saver, fakes.clock);
    before = test::allocationsSoFar();
    for (int tick = 0; tick < 100; ++tick) saver.Timer3_Timer();
    EXPECT_EQ(test::allocationsSoFar() - before, 0) << "motion";
}

}  // namespace
}  // namespace skyfolio
