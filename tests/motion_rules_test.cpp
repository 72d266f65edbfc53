// The course of single copies through the tick: launch, move, size steps and
// aim, with a fixed generator on an 800 x 600 screen.

#include "saver/copy_effects.h"
#include "saver/effects.h"
#include "tests/support/saver_fixture.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

class MotionRulesTest : public test::SaverFixture {
protected:
    // One copy of `effect`, re-launched on the first tick at (x, y).
    void launchOneCopyAt(int effect, int x, int y) {
        set(keys::mode, std::to_string(effect));
        set(keys::clonesOfImage, "1");
        load();
        ASSERT_TRUE(fakes.host.messages.empty());
        fakes.random.draws = {(x + 0.5) / fakes.surface.screen.width, (y + 0.5) / fakes.surface.screen.height};
    }
    // Where the copy is drawn and at which size step, tick by tick.
    std::vector<Shown> run(int ticks) {
        std::vector<Shown> course;
        for (int t = 0; t < ticks; ++t) {
            form().Timer1_Timer();
            course.push_back(lastTick().at(0));
        }
        return course;
    }
    static Shown at(int x, int y, int sizeStep) { return {x, y, sizeStep, 0}; }
};

TEST_F(MotionRulesTest, SkyflockGrowsInPlaceThenFliesOutward) {
    launchOneCopyAt(kSkyflock, 100, 50);
    const std::vector<Shown> course = run(9);
    const std::vector<Shown> expected = {at(100, 50, 12), at(100, 50, 11), at(100, 50, 10), at(100, 50, 9),
                                         at(100, 50, 8),  at(100, 50, 7),  at(96, 46, 6),   at(84, 34, 5),
                                         at(36, -14, 4)};
    EXPECT_EQ(course, expected);
    // Above the top edge the corner falls into the last row of the aim.
    EXPECT_EQ(form().family<CopyEffects>().copies[0].stepX, 48);
    EXPECT_EQ(form().family<CopyEffects>().copies[0].stepY, 48);

    fakes.random.draws = {0.5, 0.5};
    EXPECT_EQ(run(1)[0], at(400, 300, 12)) << "re-launched on tick 10";
}

TEST_F(MotionRulesTest, WarpShrinksInPlaceThenRushesOut) {
    launchOneCopyAt(kWarp, 700, 500);
    std::vector<Shown> expected;
    for (int k = 1; k <= 9; ++k) expected.push_back(at(700, 500, k));
    for (const Shown s : {at(703, 503, 10), at(712, 512, 11), at(739, 539, 12), at(820, 620, 12)})
        expected.push_back(s);
    EXPECT_EQ(run(13), expected);
    fakes.random.draws = {0.25, 0.25};
    EXPECT_EQ(run(1)[0], at(200, 150, 1)) << "re-launched on tick 14";
}

TEST_F(MotionRulesTest, DeckOfCardsJumpsOutwardEveryTwelveTicksAndKeepsTrails) {
    set(keys::deckGradient, "10");
    launchOneCopyAt(kDeckOfCards, 100, 50);
    const std::vector<Shown> course = run(25);
    for (int t = 0; t < 12; ++t) EXPECT_EQ(course[t], at(100, 50, 12 - t)) << "tick " << t + 1;
    for (int t = 12; t < 24; ++t) EXPECT_EQ(course[t], at(90, 40, 24 - t)) << "tick " << t + 1;
    EXPECT_EQ(course[24], at(80, 30, 12));
    EXPECT_EQ(fakes.surface.clears, 0);
    EXPECT_EQ(fakes.surface.presents, 25);
}

TEST_F(MotionRulesTest, ASpeedOfZeroGrowsCopiesInPlaceForever) {
    for (const auto& [effect, key] : {std::pair{kPsychedelic, &keys::psychGradient}, {kDeckOfCards, &keys::deckGradient},
                                      {kSplat, &keys::speedOfSplat}}) {
        SCOPED_TRACE(effect);
        set(*key, "0");
        launchOneCopyAt(effect, 300, 200);
        for (const Shown& s : run(40)) EXPECT_EQ(std::pair(s.x, s.y), std::pair(300, 200));
        EXPECT_EQ(form().family<CopyEffects>().copies[0].size,
                  effect == kDeckOfCards ? 8 : 1);  // Deck of Cards keeps dealing in place
        EXPECT_TRUE(fakes.random.draws.empty());
    }
}

TEST_F(MotionRulesTest, CentreLinesBelongToTheRightAndBottomHalves) {
    set(keys::clonesOfImage, "1");
    set(keys::mode, std::to_string(kSkyflock));
    Form1& outward = load();
    set(keys::mode, std::to_string(kVortex));
    Form1& vortex = load();
    struct Case {
        int x, y;
        int outwardX, outwardY;  // per pixel of speed
        int vortexX, vortexY;
    };
    const Case cases[] = {
        {0, 0, -1, -1, 15, -20},      {399, 299, -1, -1, 15, -20},  // top left
        {400, 0, 1, -1, 20, 15},      {800, 299, 1, -1, 20, 15},    // top right, up to the right edge
        {0, 300, -1, 1, -20, -15},    {399, 599, -1, 1, -20, -15},  // bottom left
        {400, 300, 1, 1, -15, 20},    {800, 599, 1, 1, -15, 20},    // bottom right
        {801, 0, 1, 1, -15, 20},      {0, 600, 1, 1, -15, 20},      // off the screen
        {-1, 10, 1, 1, -15, 20},      {10, -1, 1, 1, -15, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        Copy copy{c.x, c.y};
        outward.family<CopyEffects>().SetCopyStep(copy, 7);
        EXPECT_EQ(std::pair(copy.stepX, copy.stepY), std::pair(7 * c.outwardX, 7 * c.outwardY));
        vortex.family<CopyEffects>().SetCopyStep(copy, 7);
        EXPECT_EQ(std::pair(copy.stepX, copy.stepY), std::pair(c.vortexX, c.vortexY));
    }
}

TEST_F(MotionRulesTest, VortexStartsNearTheCentreAndIsReaimedEveryThirdTick) {
    launchOneCopyAt(kVortex, 0, 0);
    fakes.random.draws = {0, 0.9999999};  // the box runs from 25% to 60% of each side: (200, 359) at most down
    const std::vector<Shown> expected = {
        at(180, 344, 12), at(160, 329, 12), at(140, 314, 12),  // bottom left: (-20, -15)
        at(120, 299, 11), at(100, 284, 11), at(80, 269, 11),   // re-aimed from the bottom left again
        at(95, 249, 10),  at(110, 229, 10), at(125, 209, 10),  // now top left: (15, -20)
    };
    EXPECT_EQ(run(9), expected);

    // The count survives a re-launch, so the first re-aim may come sooner.
    form().family<CopyEffects>().copies[0].x = -1;
    form().family<CopyEffects>().copies[0].vortex = 1;
    fakes.random.draws = {0.9999999, 0};
    // (479, 150) is in the top right: (20, 15).
    EXPECT_EQ(run(3), (std::vector<Shown>{at(499, 165, 12), at(519, 180, 12), at(539, 195, 11)}));
}

TEST_F(MotionRulesTest, JumpingBeansTakeAFreshRandomStepEveryTick) {
    struct Case {
        const char* speed;
        std::pair<int, int> lowestDraws, highestDraws;
    };
    // The horizontal range is narrower, so the beans drift to the left.
    for (const Case& c : {Case{"10", {-10, -10}, {-1, 9}}, Case{"5", {-5, -5}, {-5, 4}}, Case{"1", {-1, -1}, {-9, 0}}}) {
        SCOPED_TRACE(c.speed);
        set(keys::speedOfJump, c.speed);
        launchOneCopyAt(kJumpingBeans, 400, 300);
        Copy& copy = form().family<CopyEffects>().copies[0];
        fakes.random.draws = {0, 0};
        form().family<CopyEffects>().SetCopyStep(copy, 0);
        EXPECT_EQ(std::pair(copy.stepX, copy.stepY), c.lowestDraws);
        fakes.random.draws = {0.9999999, 0.9999999};
        form().family<CopyEffects>().SetCopyStep(copy, 0);
        EXPECT_EQ(std::pair(copy.stepX, copy.stepY), c.highestDraws);
    }
    // A step at launch, then a fresh one after every drawing, while growing.
    fakes.random.draws = {400.5 / 800, 300.5 / 600, 0, 0, 0.5, 0.5};
    EXPECT_EQ(run(3), (std::vector<Shown>{at(399, 299, 12), at(394, 299, 11), at(393, 298, 10)}));
}

TEST_F(MotionRulesTest, AHugeJumpSpeedKeepsTheSaverRunning) {
    for (const char* speed : {"1e9", "-1e9", "1e999"}) {
        set(keys::speedOfJump, speed);
        launchOneCopyAt(kJumpingBeans, 400, 300);
        fakes.random.draws = {0.5, 0.5, 0.5, 0.5};
        EXPECT_NO_THROW(run(5)) << speed;
    }
}

}  // namespace
}  // namespace skyfolio
