// Moving on through the cache pictures: the picture-change clock, the change
// itself, and its failure path.

#include "saver/copy_effects.h"
#include "saver/effects.h"
#include "tests/support/saver_fixture.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

using namespace std::string_literals;

const uint32_t kPictureColours[] = {rgb32(255, 0, 0), rgb32(0, 255, 0), rgb32(0, 0, 255)};

class ImageChangeTest : public test::SaverFixture {
protected:
    ImageChangeTest() {
        for (int n = 0; n < 3; ++n) cachePicture(n, 200, 100, kPictureColours[n]);
    }
    // The cache picture a set holds, by its colour; -1 when empty.
    static int pictureIn(const PictureSet& set) {
        for (int n = 0; n < 3; ++n)
            if (!set.source.isNull() && set.source.row(0)[0] == kPictureColours[n]) return n;
        return -1;
    }
    // One tick of the picture-change clock, then the change it asked for.
    // Returns whether a change ran.
    static bool clockTick(Form1& saver) {
        saver.Timer2_Timer();
        if (!saver.family<CopyEffects>().Timer4.Enabled()) return false;
        saver.Timer4_Timer();
        return true;
    }
    // Every copy admitted, so the next clock tick changes the picture.
    static bool change(Form1& saver) {
        saver.family<CopyEffects>().admittedCopies = int(saver.family<CopyEffects>().copies.size());
        return clockTick(saver);
    }
    // A saver of its own; a test may start several.
    Form1& startEffect(int effect, const std::string& copies = "10") {
        set(keys::mode, std::to_string(effect));
        set(keys::clonesOfImage, copies);
        return load();
    }
};

TEST_F(ImageChangeTest, TwoPicturesAlternateBetweenTheSets) {
    set(keys::newTotal, "2");
    Form1& saver = startEffect(kSkyflock);
    EXPECT_EQ(saver.family<CopyEffects>().cacheNumber, 1);
    EXPECT_EQ(pictureIn(saver.family<CopyEffects>().first), 0);
    EXPECT_EQ(pictureIn(saver.family<CopyEffects>().second), 1);

    ASSERT_TRUE(change(saver));
    EXPECT_EQ(saver.family<CopyEffects>().cacheNumber, 0);
    EXPECT_EQ(pictureIn(saver.family<CopyEffects>().first), 0) << "reloaded into the first set";
    EXPECT_EQ(saver.family<CopyEffects>().imageChangeDue, 1);
    EXPECT_EQ(saver.family<CopyEffects>().secondImageReady, 0);
    EXPECT_EQ(saver.family<CopyEffects>().admittedCopies, 0);
    EXPECT_TRUE(saver.family<CopyEffects>().Timer5.Enabled());
    EXPECT_FALSE(saver.family<CopyEffects>().Timer1.Enabled());

    ASSERT_TRUE(change(saver));
    EXPECT_EQ(saver.family<CopyEffects>().cacheNumber, 1);
    EXPECT_EQ(pictureIn(saver.family<CopyEffects>().second), 1);
    EXPECT_EQ(saver.family<CopyEffects>().imageChangeDue, 0);
    EXPECT_EQ(saver.family<CopyEffects>().secondImageReady, 1);
    EXPECT_TRUE(saver.family<CopyEffects>().Timer1.Enabled());
    EXPECT_FALSE(saver.family<CopyEffects>().Timer5.Enabled());
}

TEST_F(ImageChangeTest, ThePictureCountIsReadAsANumber) {
    for (const char* total : {"3", "03", " 3", "3.0"}) {
        SCOPED_TRACE(total);
        set(keys::newTotal, total);
        Form1& saver = startEffect(kSkyflock);
        std::vector<int> shown;
        for (int n = 0; n < 5; ++n) {
            ASSERT_TRUE(change(saver));
            shown.push_back(pictureIn(saver.family<CopyEffects>().secondImageReady
                                          ? saver.family<CopyEffects>().second
                                          : saver.family<CopyEffects>().first));
        }
        EXPECT_EQ(shown, (std::vector<int>{2, 0, 1, 2, 0}));
        EXPECT_TRUE(fakes.host.messages.empty());
    }
}

TEST_F(ImageChangeTest, TheClockChangesThePictureOnceEveryCopyIsAdmitted) {
    set(keys::introImageAmount, "3");
    for (const int effect : {kSkyflock, kWarp, kDeckOfCards, kVortex}) {  // Deck of Cards changes pictures like Skyflock
        SCOPED_TRACE(effect);
        Form1& saver = startEffect(effect, "10");
        std::vector<int> admitted, changes;
        for (int tick = 1; tick <= 15; ++tick) {
            if (clockTick(saver)) changes.push_back(tick);
            admitted.push_back(saver.family<CopyEffects>().admittedCopies);
        }
        EXPECT_EQ(changes, (std::vector<int>{5, 10, 15}));
        EXPECT_EQ(admitted, (std::vector<int>{3, 6, 9, 12, 0, 3, 6, 9, 12, 0, 3, 6, 9, 12, 0}));
    }
}

TEST_F(ImageChangeTest, ASingleCopyOrALargeAmountChangesEverySecondClockTick) {
    for (const auto& [copies, amount] : {std::pair{"1", "3"}, {"10", "50"}, {"10", "1e9"}}) {
        SCOPED_TRACE(std::string(copies) + " copies, amount " + amount);
        set(keys::introImageAmount, amount);
        Form1& saver = startEffect(kSkyflock, copies);
        EXPECT_FALSE(clockTick(saver));
        EXPECT_TRUE(clockTick(saver));
        EXPECT_FALSE(clockTick(saver));
        EXPECT_TRUE(clockTick(saver));
    }
}

TEST_F(ImageChangeTest, PacedEffectsWaitOneClockTickThenLetTheAnimationPace) {
    for (const int effect : {kPsychedelic, kJumpingBeans, kSplat}) {
        SCOPED_TRACE(effect);
        Form1& saver = startEffect(effect);
        EXPECT_EQ(saver.family<CopyEffects>().admittedCopies, 0);
        EXPECT_FALSE(clockTick(saver));
        EXPECT_EQ(saver.family<CopyEffects>().admittedCopies, 1);
        EXPECT_FALSE(saver.family<CopyEffects>().Timer2.Enabled());

        saver.family<CopyEffects>().imageChangeDue = 1;
        saver.family<CopyEffects>().Timer4.setEnabled(true);
        saver.Timer4_Timer();
        EXPECT_EQ(saver.family<CopyEffects>().admittedCopies, 1) << "the next phase starts with copy 0 admitted";
        EXPECT_TRUE(saver.family<CopyEffects>().Timer5.Enabled());
    }
}

TEST_F(ImageChangeTest, EnablingTheChangeTwiceChangesOnce) {
    Form1& saver = startEffect(kSkyflock);
    saver.family<CopyEffects>().imageChangeDue = 1;
    saver.family<CopyEffects>().Timer4.setEnabled(true);
    saver.family<CopyEffects>().Timer4.setEnabled(true);
    int changes = 0;
    for (int dispatch = 0; dispatch < 3; ++dispatch) {
        if (!saver.family<CopyEffects>().Timer4.Enabled()) continue;
        saver.Timer4_Timer();
        ++changes;
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(saver.family<CopyEffects>().Timer4.Interval(), 1);
    EXPECT_EQ(saver.family<CopyEffects>().cacheNumber, 0);
}

TEST_F(ImageChangeTest, ACachePictureLostWhileRunningEndsTheSaverWithItsName) {
    set(keys::newTotal, "3");
    for (const int lost : {2, 0}) {
        SCOPED_TRACE(lost);
        test::FakeSeams screen;
        screen.pictures.cache = fakes.pictures.cache;
        set(keys::mode, std::to_string(kSkyflock));
        Form1& saver = start(screen);
        ASSERT_TRUE(screen.host.messages.empty());
        screen.pictures.cache.erase(lost);
        for (int n = 0; n < 3 && screen.host.messages.empty(); ++n) change(saver);
        ASSERT_EQ(screen.host.messages.size(), 1u);
        EXPECT_EQ(screen.host.messages[0],
                  Form1::CacheFailureMessage(screen.pictures.cachePicturePath(lost)));
        EXPECT_TRUE(screen.host.ended);
        EXPECT_EQ(screen.host.unloads, 1);
    }
}

TEST_F(ImageChangeTest, APictureOnePixelWideOrHighStillAnimates) {
    set(keys::newTotal, "3");
    cachePicture(2, 1, 50);
    cachePicture(0, 50, 1);
    Form1& saver = startEffect(kSkyflock, "21");
    for (int n = 0; n < 2; ++n) {
        ASSERT_TRUE(change(saver));
        for (int tick = 0; tick < 30; ++tick)
            saver.family<CopyEffects>().secondImageReady ? saver.Timer1_Timer() : saver.Timer5_Timer();
    }
    EXPECT_TRUE(fakes.host.messages.empty());
    EXPECT_EQ(saver.family<CopyEffects>().first.member(5).width(), 1);
    EXPECT_TRUE(saver.family<CopyEffects>().first.member(6).isNull());  // half of one pixel is none
    EXPECT_EQ(saver.family<CopyEffects>().second.member(1).height(), 1);
    EXPECT_TRUE(saver.family<CopyEffects>().second.member(12).isNull());
}

// Every effect, with the most and the fewest copies, runs through several
// changes the way the window's timers would drive it.
TEST_F(ImageChangeTest, EveryEffectRunsThroughItsPictures) {
    set(keys::newTotal, "3");
    set(keys::changeNextImage, "3");
    for (const char* copies : {"21", "1"}) {
        for (const Effect& effect : kEffects) {
            if (!effect.usesCache()) continue;
            SCOPED_TRACE(testing::Message() << effect.name << ", " << copies << " copies");
            test::FakeSeams screen;
            screen.pictures.cache = fakes.pictures.cache;
            SeededRandom seeded(uint64_t(effect.id));
            set(keys::mode, std::to_string(effect.id));
            set(keys::clonesOfImage, copies);
            Form1 saver(settings(), {screen.surface, screen.pictures, screen.host, seeded, screen.clock});
            saver.Form_Load();
            std::string shown = std::to_string(saver.family<CopyEffects>().cacheNumber);
            for (int tick = 1; tick <= 3000; ++tick) {
                ASSERT_NE(saver.family<CopyEffects>().Timer1.Enabled(), saver.family<CopyEffects>().Timer5.Enabled());
                saver.family<CopyEffects>().Timer1.Enabled() ? saver.Timer1_Timer() : saver.Timer5_Timer();
                if (tick % 50 == 0 && saver.family<CopyEffects>().Timer2.Enabled()) saver.Timer2_Timer();
                if (saver.family<CopyEffects>().Timer4.Enabled()) saver.Timer4_Timer();
                const std::string now = std::to_string(saver.family<CopyEffects>().cacheNumber);
                if (now != shown.substr(shown.size() - 1)) shown += now;
            }
            EXPECT_TRUE(screen.host.messages.empty());
            EXPECT_EQ(shown.substr(0, 4), "1201") << shown;
            for (const Copy& copy : saver.family<CopyEffects>().copies) EXPECT_TRUE(copy.size >= 1 && copy.size <= 12);
        }
    }
}

}  // namespace
}  // namespace skyfolio
