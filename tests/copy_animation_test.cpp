// The copy tick: launching, drawing and the change-over of copies from the
// outgoing to the incoming picture, in both phases.

#include "platform/image_surface.h"
#include "saver/copy_effects.h"
#include "saver/effects.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/saver_fixture.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

class CopyAnimationTest : public test::SaverFixture {
protected:
    void loadEffect(int effect, const std::string& copies) {
        set(keys::mode, std::to_string(effect));
        set(keys::clonesOfImage, copies);
        load();
        ASSERT_TRUE(fakes.host.messages.empty());
    }
    // Which set each copy has switched to.
    std::vector<int> switchedTo() {
        std::vector<int> sets;
        for (const Copy& copy : form().family<CopyEffects>().copies) sets.push_back(copy.picture);
        return sets;
    }
    // The set each copy was drawn from in the last tick.
    std::vector<int> setsOfLastTick() const {
        std::vector<int> sets;
        for (const Shown& s : lastTick()) sets.push_back(s.set);
        return sets;
    }
};

TEST_F(CopyAnimationTest, TheFirstTickLaunchesEveryCopyAndDrawsThemInOrder) {
    loadEffect(kSkyflock, "21");
    for (int i = 0; i < 21; ++i) fakes.random.draws.insert(fakes.random.draws.end(), {(i * 30 + 0.5) / 800, (i * 20 + 0.5) / 600});
    form().Timer1_Timer();
    ASSERT_EQ(fakes.surface.draws.size(), 21u);
    for (int i = 0; i < 21; ++i) EXPECT_EQ(lastTick()[i], (Shown{i * 30, i * 20, 12, 0})) << i;
    EXPECT_EQ(fakes.surface.clears, 1);
    EXPECT_EQ(fakes.surface.presents, 1);

    form().Timer1_Timer();
    EXPECT_EQ(fakes.surface.draws.size(), 42u);
    EXPECT_EQ(fakes.surface.clears, 2);
    EXPECT_EQ(lastTick()[20], (Shown{600, 400, 11, 0}));
}

TEST_F(CopyAnimationTest, TrailsAreNeverCleared) {
    set(keys::clonesOfImage, "5");
    for (const int effect : {kPsychedelic, kDeckOfCards}) {
        set(keys::mode, std::to_string(effect));
        test::FakeSeams screen;
        screen.pictures.cache = fakes.pictures.cache;
        Form1& saver = start(screen);
        for (int t = 0; t < 30; ++t) saver.Timer1_Timer();
        EXPECT_EQ(screen.surface.clears, 0) << effect;
        EXPECT_EQ(screen.surface.presents, 30) << effect;
    }
}

TEST_F(CopyAnimationTest, ACornerOnTheRightOrBottomEdgeIsStillOnTheScreen) {
    loadEffect(kSkyflock, "1");
    const auto drawnAfterPlacingAt = [&](int x, int y) {
        form().family<CopyEffects>().copies[0].x = x;
        form().family<CopyEffects>().copies[0].y = y;
        form().family<CopyEffects>().copies[0].stepX = form().family<CopyEffects>().copies[0].stepY = 0;
        fakes.random.draws = {0.5, 0.5};
        form().Timer1_Timer();
        return std::pair(lastTick()[0].x, lastTick()[0].y);
    };
    EXPECT_EQ(drawnAfterPlacingAt(800, 600), std::pair(800, 600));
    EXPECT_EQ(drawnAfterPlacingAt(0, 0), std::pair(0, 0));
    EXPECT_EQ(drawnAfterPlacingAt(801, 600), std::pair(400, 300));
    EXPECT_EQ(drawnAfterPlacingAt(800, 601), std::pair(400, 300));
    EXPECT_EQ(drawnAfterPlacingAt(-1, 10), std::pair(400, 300));
}

TEST_F(CopyAnimationTest, AdmittedCopiesChangeOverAtTheirSmallestSize) {
    loadEffect(kSkyflock, "3");
    form().family<CopyEffects>().admittedCopies = 2;
    form().Timer1_Timer();
    EXPECT_EQ(setsOfLastTick(), (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(switchedTo(), (std::vector<int>{1, 1, 0}));

    // Copy 2 is admitted, but has grown past its smallest size: it waits
    // for its re-launch, while the others stay changed over.
    form().family<CopyEffects>().admittedCopies = 3;
    form().Timer1_Timer();
    EXPECT_EQ(setsOfLastTick(), (std::vector<int>{1, 1, 0}));
    form().family<CopyEffects>().copies[2].x = -1;
    form().Timer1_Timer();
    EXPECT_EQ(setsOfLastTick(), (std::vector<int>{1, 1, 1}));
}

TEST_F(CopyAnimationTest, WithOnePictureNothingChangesOver) {
    set(keys::newTotal, "1");
    loadEffect(kSkyflock, "3");
    form().family<CopyEffects>().admittedCopies = 3;
    for (int t = 0; t < 20; ++t) {
        form().Timer1_Timer();
        EXPECT_EQ(setsOfLastTick(), (std::vector<int>{0, 0, 0}));
    }
}

TEST_F(CopyAnimationTest, AWarpCopyChangesOverOnceItHasShrunkToItsSmallest) {
    loadEffect(kWarp, "1");
    form().family<CopyEffects>().admittedCopies = 1;
    fakes.random.draws = {0.5, 0.5};
    for (int tick = 1; tick <= 11; ++tick) {
        form().Timer1_Timer();
        EXPECT_EQ(setsOfLastTick()[0], 0) << tick;
    }
    form().Timer1_Timer();
    EXPECT_EQ(lastTick()[0], (Shown{439, 339, 12, 1}));
}

TEST_F(CopyAnimationTest, ACopyLeftBehindChangesOverAsSoonAsItIsAdmittedInTheNextPhase) {
    loadEffect(kSkyflock, "2");
    form().Timer1_Timer();
    form().Timer1_Timer();
    // Handed over to the Timer5 phase: the first set has the newest picture.
    form().family<CopyEffects>().secondImageReady = 0;
    form().family<CopyEffects>().admittedCopies = 0;
    form().Timer5_Timer();
    EXPECT_EQ(setsOfLastTick(), (std::vector<int>{1, 1}));
    form().family<CopyEffects>().admittedCopies = 1;
    form().Timer5_Timer();
    EXPECT_EQ(setsOfLastTick(), (std::vector<int>{0, 1}));
    EXPECT_EQ(form().family<CopyEffects>().copies[0].size, 8) << "changed over without a re-launch";
}

// Paced admission: how often a re-launch of copy 0 showing the incoming
// picture admits more copies, by phase and cfgChangeNext.
struct Pacing {
    bool timer5Phase;
    const char* changeNext;
    std::vector<int> admittingTicks;  // of 16, from the start state
};

class AdmissionTest : public CopyAnimationTest, public ::testing::WithParamInterface<Pacing> {};

TEST_P(AdmissionTest, CopyZeroPacesTheAdmission) {
    const Pacing p = GetParam();
    set(keys::changeNextImage, p.changeNext);
    set(keys::introImageAmount, "2");
    loadEffect(kPsychedelic, "100");
    form().family<CopyEffects>().admittedCopies = 1;
    form().family<CopyEffects>().secondImageReady = p.timer5Phase ? 0 : 1;
    std::vector<int> admitting;
    for (int tick = 1; tick <= 16; ++tick) {
        form().family<CopyEffects>().copies[0].x = -1;  // copy 0 is re-launched at every tick
        form().family<CopyEffects>().copies[0].picture = p.timer5Phase ? 0 : 1;
        const int before = form().family<CopyEffects>().admittedCopies;
        p.timer5Phase ? form().Timer5_Timer() : form().Timer1_Timer();
        if (form().family<CopyEffects>().admittedCopies != before) {
            EXPECT_EQ(form().family<CopyEffects>().admittedCopies, before + 2);
            admitting.push_back(tick);
        }
    }
    EXPECT_EQ(admitting, p.admittingTicks);
    EXPECT_FALSE(form().family<CopyEffects>().Timer4.Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    BothPhases, AdmissionTest,
    ::testing::Values(Pacing{false, "3", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
                      Pacing{false, "2", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
                      Pacing{false, "1", {4, 7, 10, 13, 16}}, Pacing{false, "0", {}},
                      Pacing{true, "3", {3, 5, 7, 9, 11, 13, 15}}, Pacing{true, "2", {6, 11, 16}},
                      Pacing{true, "1", {9}}, Pacing{true, "4", {}}));

TEST_F(CopyAnimationTest, OnlyPacedEffectsWithSeveralPicturesAdmitAtTheTick) {
    set(keys::clonesOfImage, "100");
    const auto admitsAfterTicks = [&](int effect) {
        set(keys::mode, std::to_string(effect));
        Form1& saver = load();
        saver.family<CopyEffects>().admittedCopies = 1;
        for (int tick = 0; tick < 10; ++tick) {
            saver.family<CopyEffects>().copies[0].x = -1;
            saver.family<CopyEffects>().copies[0].picture = 1;
            saver.Timer1_Timer();
        }
        return saver.family<CopyEffects>().admittedCopies > 1;
    };
    for (const int effect : {kPsychedelic, kJumpingBeans, kSplat}) EXPECT_TRUE(admitsAfterTicks(effect)) << effect;
    for (const int effect : {kSkyflock, kWarp, kDeckOfCards, kVortex}) EXPECT_FALSE(admitsAfterTicks(effect)) << effect;
    set(keys::newTotal, "1");
    EXPECT_FALSE(admitsAfterTicks(kSplat));
}

TEST_F(CopyAnimationTest, ACounterPastItsTargetNeverAdmitsAgain) {
    set(keys::changeNextImage, "1");
    loadEffect(kJumpingBeans, "100");
    form().family<CopyEffects>().admittedCopies = 1;
    form().family<CopyEffects>().admitTicks = 7;  // the Timer1 phase admits when it reaches 4
    for (int tick = 0; tick < 30; ++tick) {
        form().family<CopyEffects>().copies[0].x = -1;
        form().family<CopyEffects>().copies[0].picture = 1;
        form().Timer1_Timer();
    }
    EXPECT_EQ(form().family<CopyEffects>().admittedCopies, 1);
    EXPECT_EQ(form().family<CopyEffects>().admitTicks, 37);
}

TEST_F(CopyAnimationTest, EnoughAdmittedCopiesStartTheChangeInEachPhase) {
    loadEffect(kSplat, "10");  // copies 0 to 9
    form().family<CopyEffects>().copies[0].picture = 1;
    form().family<CopyEffects>().admittedCopies = 13;
    form().Timer1_Timer();
    EXPECT_FALSE(form().family<CopyEffects>().Timer4.Enabled()) << "the Timer1 phase waits for 9 + 5";
    form().family<CopyEffects>().admittedCopies = 14;
    form().family<CopyEffects>().copies[0].size = 5;  // the threshold needs no re-launch
    form().Timer1_Timer();
    EXPECT_TRUE(form().family<CopyEffects>().Timer4.Enabled());
    EXPECT_EQ(form().family<CopyEffects>().imageChangeDue, 1);
    EXPECT_EQ(form().family<CopyEffects>().admittedCopies, 14);

    form().family<CopyEffects>().Timer4.setEnabled(false);
    form().family<CopyEffects>().secondImageReady = 0;
    form().family<CopyEffects>().copies[0].picture = 0;
    form().family<CopyEffects>().admittedCopies = 18;
    form().Timer5_Timer();
    EXPECT_FALSE(form().family<CopyEffects>().Timer4.Enabled()) << "the Timer5 phase waits for 9 + 10";
    form().family<CopyEffects>().admittedCopies = 19;
    form().Timer5_Timer();
    EXPECT_TRUE(form().family<CopyEffects>().Timer4.Enabled());
    EXPECT_EQ(form().family<CopyEffects>().imageChangeDue, 0);
}

TEST_F(CopyAnimationTest, ATickAllocatesNothing) {
    set(keys::clonesOfImage, "21");
    for (const Effect& effect : kEffects) {
        if (!effect.usesCache()) continue;
        set(keys::mode, std::to_string(effect.id));
        // The saver window's surface, so that a tick does the work it does on screen.
        ImageSurface image(QSize(1920, 1080), [](const std::vector<QRect>&) {});
        SeededRandom seeded(uint64_t(effect.id));
        const SaverSettings& kept = settings();
        Form1 saver(kept, {image, fakes.pictures, fakes.host, seeded, fakes.clock});
        const int64_t beforeLoad = test::allocationsSoFar();
        saver.Form_Load();
        ASSERT_GT(test::allocationsSoFar(), beforeLoad) << "the counter counts";
        saver.family<CopyEffects>().admittedCopies = 7;
        for (int tick = 0; tick < 50; ++tick) saver.Timer1_Timer();
        const int64_t before = test::allocationsSoFar();
        for (int tick = 0; tick < 200; ++tick) saver.Timer1_Timer();
        EXPECT_EQ(test::allocationsSoFar() - before, 0) << effect.name;
    }
}

}  // namespace
}  // namespace skyfolio
