// Moving on through the cache pictures: the picture-change clock, the change
// itself, and its failure path.

#include "tests/support/saver_fixture.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

using namespace std::string_literals;

const QColor kPictureColours[] = {Qt::red, Qt::green, Qt::blue};

class ImageChangeTest : public test::SaverFixture {
protected:
    void SetUp() override {
        SaverFixture::SetUp();
        for (int n = 0; n < 3; ++n) cachePicture(std::to_string(n), 200, 100, kPictureColours[n]);
    }
    // The cache picture a set holds, by its colour; -1 when empty.
    static int pictureIn(const PictureSet& set) {
        for (int n = 0; n < 3; ++n)
            if (!set.source.isNull() && set.source.image().pixelColor(0, 0) == kPictureColours[n]) return n;
        return -1;
    }
    // One tick of the picture-change clock, then the change it asked for.
    // Returns whether a change ran.
    static bool clockTick(Form1& saver) {
        saver.Timer2_Timer();
        if (!saver.Timer4.Enabled()) return false;
        saver.Timer4_Timer();
        return true;
    }
    // Every copy admitted, so the next clock tick changes the picture.
    static bool change(Form1& saver) {
        saver.admittedCopies = int(saver.copyX.size());
        return clockTick(saver);
    }
    // A saver of its own; a test may start several.
    Form1& start(int effect, const std::string& copies = "10") {
        set(keys::mode, std::to_string(effect));
        set(keys::clonesOfImage, copies);
        Form1& saver = *savers.emplace_back(std::make_unique<Form1>(host, random));
        saver.Form_Load();
        return saver;
    }

    std::vector<std::unique_ptr<Form1>> savers;
};

TEST_F(ImageChangeTest, TwoPicturesAlternateBetweenTheSets) {
    set(keys::newTotal, "2");
    Form1& saver = start(0);
    EXPECT_EQ(saver.cacheNumber, "1");
    EXPECT_EQ(pictureIn(saver.first), 0);
    EXPECT_EQ(pictureIn(saver.second), 1);

    ASSERT_TRUE(change(saver));
    EXPECT_EQ(saver.cacheNumber, "0");
    EXPECT_EQ(pictureIn(saver.first), 0) << "reloaded into the first set";
    EXPECT_EQ(saver.imageChangeDue, 1);
    EXPECT_EQ(saver.secondImageReady, 0);
    EXPECT_EQ(saver.admittedCopies, 0);
    EXPECT_TRUE(saver.Timer5.Enabled());
    EXPECT_FALSE(saver.Timer1.Enabled());

    ASSERT_TRUE(change(saver));
    EXPECT_EQ(saver.cacheNumber, "1");
    EXPECT_EQ(pictureIn(saver.second), 1);
    EXPECT_EQ(saver.imageChangeDue, 0);
    EXPECT_EQ(saver.secondImageReady, 1);
    EXPECT_TRUE(saver.Timer1.Enabled());
    EXPECT_FALSE(saver.Timer5.Enabled());
}

TEST_F(ImageChangeTest, ThePictureCountIsReadAsANumber) {
    for (const char* total : {"3", "03", " 3", "3.0"}) {
        SCOPED_TRACE(total);
        set(keys::newTotal, total);
        Form1& saver = start(0);
        std::vector<int> shown;
        for (int n = 0; n < 5; ++n) {
            ASSERT_TRUE(change(saver));
            shown.push_back(pictureIn(saver.secondImageReady ? saver.second : saver.first));
        }
        EXPECT_EQ(shown, (std::vector<int>{2, 0, 1, 2, 0}));
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST_F(ImageChangeTest, TheClockChangesThePictureOnceEveryCopyIsAdmitted) {
    set(keys::introImageAmount, "3");
    for (const int effect : {0, 2, 4, 6}) {  // Deck of Cards changes pictures like Skyflock
        SCOPED_TRACE(effect);
        Form1& saver = start(effect, "10");
        std::vector<int> admitted, changes;
        for (int tick = 1; tick <= 15; ++tick) {
            if (clockTick(saver)) changes.push_back(tick);
            admitted.push_back(saver.admittedCopies);
        }
        EXPECT_EQ(changes, (std::vector<int>{5, 10, 15}));
        EXPECT_EQ(admitted, (std::vector<int>{3, 6, 9, 12, 0, 3, 6, 9, 12, 0, 3, 6, 9, 12, 0}));
    }
}

TEST_F(ImageChangeTest, ASingleCopyOrALargeAmountChangesEverySecondClockTick) {
    for (const auto& [copies, amount] : {std::pair{"1", "3"}, {"10", "50"}, {"10", "1e9"}}) {
        SCOPED_TRACE(std::string(copies) + " copies, amount " + amount);
        set(keys::introImageAmount, amount);
        Form1& saver = start(0, copies);
        EXPECT_FALSE(clockTick(saver));
        EXPECT_TRUE(clockTick(saver));
        EXPECT_FALSE(clockTick(saver));
        EXPECT_TRUE(clockTick(saver));
    }
}

TEST_F(ImageChangeTest, PacedEffectsWaitOneClockTickThenLetTheAnimationPace) {
    for (const int effect : {3, 5, 7}) {
        SCOPED_TRACE(effect);
        Form1& saver = start(effect);
        EXPECT_EQ(saver.admittedCopies, 0);
        EXPECT_FALSE(clockTick(saver));
        EXPECT_EQ(saver.admittedCopies, 1);
        EXPECT_FALSE(saver.Timer2.Enabled());

        saver.imageChangeDue = 1;
        saver.Timer4.setEnabled(true);
        saver.Timer4_Timer();
        EXPECT_EQ(saver.admittedCopies, 1) << "the next phase starts with copy 0 admitted";
        EXPECT_TRUE(saver.Timer5.Enabled());
    }
}

TEST_F(ImageChangeTest, EnablingTheChangeTwiceChangesOnce) {
    Form1& saver = start(0);
    saver.imageChangeDue = 1;
    saver.Timer4.setEnabled(true);
    saver.Timer4.setEnabled(true);
    int changes = 0;
    for (int dispatch = 0; dispatch < 3; ++dispatch) {
        if (!saver.Timer4.Enabled()) continue;
        saver.Timer4_Timer();
        ++changes;
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(saver.Timer4.Interval(), 1);
    EXPECT_EQ(saver.cacheNumber, "0");
}

TEST_F(ImageChangeTest, ACachePictureLostWhileRunningEndsTheSaverWithItsName) {
    set(keys::saverEnabled, "1");
    set(keys::newTotal, "3");
    host.platform = 1;  // the older family, where the switch is used
    struct Case {
        std::string number;
        std::function<void()> spoil;
    };
    const Case cases[] = {
        {"2", [] { removeFile(cacheFilePath("2")); }},
        {"0", [] { test::writeFile(cacheFilePath("0"), "BM\x36\0\0\0 damaged"s); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        for (int n = 0; n < 3; ++n) cachePicture(std::to_string(n), 200, 100, kPictureColours[n]);
        host = test::FakeSaverHost();
        host.platform = 1;
        Form1& saver = start(0);
        ASSERT_TRUE(host.messages.empty());
        c.spoil();
        for (int n = 0; n < 3 && host.messages.empty(); ++n) change(saver);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0], Form1::CacheFailureMessage(cacheFilePath(c.number)));
        EXPECT_TRUE(host.ended);
        EXPECT_EQ(host.unloads, 1);
        EXPECT_EQ(host.screenSaverSwitch, (std::vector<bool>{true, false}));
    }
}

TEST_F(ImageChangeTest, APictureOnePixelWideOrHighStillAnimates) {
    set(keys::newTotal, "3");
    cachePicture("2", 1, 50);
    cachePicture("0", 50, 1);
    Form1& saver = start(0, "21");
    for (int n = 0; n < 2; ++n) {
        ASSERT_TRUE(change(saver));
        for (int tick = 0; tick < 30; ++tick) saver.secondImageReady ? saver.Timer1_Timer() : saver.Timer5_Timer();
    }
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(saver.first.member(5).width(), 1);
    EXPECT_TRUE(saver.first.member(6).isNull());  // half of one pixel is none
    EXPECT_EQ(saver.second.member(1).height(), 1);
    EXPECT_TRUE(saver.second.member(12).isNull());
}

// Every effect, with the most and the fewest copies, runs through several
// changes the way the window's timers would drive it.
TEST_F(ImageChangeTest, EveryEffectRunsThroughItsPictures) {
    set(keys::newTotal, "3");
    set(keys::changeNextImage, "3");
    for (const char* copies : {"21", "1"}) {
        for (const int effect : {0, 2, 3, 4, 5, 6, 7}) {
            SCOPED_TRACE(testing::Message() << "effect " << effect << ", " << copies << " copies");
            SeededRandom seeded(effect);
            test::FakeSaverHost screen;
            Form1 saver{screen, seeded};
            set(keys::mode, std::to_string(effect));
            set(keys::clonesOfImage, copies);
            saver.Form_Load();
            std::string shown = saver.cacheNumber;
            for (int tick = 1; tick <= 3000; ++tick) {
                ASSERT_NE(saver.Timer1.Enabled(), saver.Timer5.Enabled());
                saver.Timer1.Enabled() ? saver.Timer1_Timer() : saver.Timer5_Timer();
                if (tick % 50 == 0 && saver.Timer2.Enabled()) saver.Timer2_Timer();
                if (saver.Timer4.Enabled()) saver.Timer4_Timer();
                if (saver.cacheNumber != shown.substr(shown.size() - 1)) shown += saver.cacheNumber;
            }
            EXPECT_TRUE(screen.messages.empty());
            EXPECT_EQ(shown.substr(0, 4), "1201") << shown;
            for (const int size : saver.copySize) EXPECT_TRUE(size >= 1 && size <= 12);
        }
    }
}

}  // namespace
}  // namespace skyfolio
