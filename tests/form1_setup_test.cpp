#include "saver/copy_effects.h"
#include "saver/effects.h"
#include "saver/float_effect.h"
#include "tests/support/saver_fixture.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

using test::FakeSeams;

using Form1SetupTest = test::SaverFixture;

TEST_F(Form1SetupTest, SkyflockAsInstalled) {
    set(keys::newBackColor, "255");
    Form1& form = load();
    EXPECT_TRUE(fakes.host.messages.empty());
    EXPECT_EQ(fakes.surface.background, 255);  // pure red, 0x00BBGGRR
    ASSERT_EQ(form.family<CopyEffects>().copies.size(), 10u);
    for (const Copy& copy : form.family<CopyEffects>().copies) {
        EXPECT_EQ(copy.x, -1);
        EXPECT_EQ(copy.y, -1);
        EXPECT_EQ(copy.size, 12);
    }
    EXPECT_EQ(form.family<CopyEffects>().cacheNumber, 1);
    EXPECT_EQ(form.family<CopyEffects>().secondImageReady, 1);
    EXPECT_EQ(form.family<CopyEffects>().first.member(1).size(), (PictureSize{198, 99}));
    EXPECT_EQ(form.family<CopyEffects>().second.member(12).size(), (PictureSize{25, 12}));
    EXPECT_FALSE(form.scaleInTwips);
    EXPECT_TRUE(form.family<CopyEffects>().Timer2.Enabled());
    EXPECT_EQ(form.family<CopyEffects>().Timer2.Interval(), 10000);
    EXPECT_TRUE(form.family<CopyEffects>().Timer1.Enabled());
    EXPECT_EQ(form.family<CopyEffects>().Timer1.Interval(), 20);
    EXPECT_EQ(form.family<CopyEffects>().Timer5.Interval(), 20);
    EXPECT_FALSE(form.family<CopyEffects>().Timer5.Enabled());
    EXPECT_FALSE(form.family<CopyEffects>().Timer4.Enabled());
    EXPECT_FALSE(form.family<CopyEffects>().keepTrails);
    EXPECT_EQ(form.family<CopyEffects>().effectParam,
              (std::array<int16_t, 12>{0, 0, 0, 0, 0, 4, 12, 48, 48, 48, 48, 48}));
}

struct Arming {
    int effect;
    bool keepTrails;
    int16_t param0, param11;
    int timer2Interval;  // 0: the clock stays off
    int admitTicks;
};

class EffectArmingTest : public Form1SetupTest, public ::testing::WithParamInterface<Arming> {};

TEST_P(EffectArmingTest, EachEffectStartsItsOwnWay) {
    const Arming a = GetParam();
    set(keys::mode, std::to_string(a.effect));
    set(keys::psychGradient, "7");
    set(keys::deckGradient, "8");
    set(keys::speedOfSplat, "9");
    Form1& form = load();
    EXPECT_TRUE(fakes.host.messages.empty());
    EXPECT_EQ(form.family<CopyEffects>().keepTrails, a.keepTrails);
    EXPECT_EQ(form.family<CopyEffects>().effectParam[0], a.param0);
    EXPECT_EQ(form.family<CopyEffects>().effectParam[11], a.param11);
    EXPECT_EQ(form.family<CopyEffects>().Timer2.Enabled(), a.timer2Interval != 0);
    if (a.timer2Interval) {
        EXPECT_EQ(form.family<CopyEffects>().Timer2.Interval(), a.timer2Interval);
    }
    EXPECT_EQ(form.family<CopyEffects>().admitTicks, a.admitTicks);
    EXPECT_EQ(form.family<CopyEffects>().Timer1.Enabled(), findEffect(a.effect) != nullptr);
}

INSTANTIATE_TEST_SUITE_P(AllEffects, EffectArmingTest,
                         ::testing::Values(Arming{kSkyflock, false, 0, 48, 10000, 0}, Arming{kWarp, false, 81, 0, 10000, 0},
                                           Arming{kPsychedelic, true, 0, 7, 5000, 0},
                                           Arming{kDeckOfCards, true, 0, 8, 10000, 0},
                                           Arming{kJumpingBeans, false, 0, 0, 5000, 0},
                                           Arming{kVortex, false, 0, 0, 10000, 0}, Arming{kSplat, false, 0, 9, 5000, 1},
                                           Arming{9, false, 0, 0, 0, 0}));

TEST_F(Form1SetupTest, PictureChangesNeedTwoPicturesAndTheirSwitch) {
    set(keys::mode, std::to_string(kWarp));
    set(keys::neverChange, "True");
    EXPECT_FALSE(load().family<CopyEffects>().Timer2.Enabled());

    set(keys::mode, std::to_string(kSplat));
    set(keys::changeNextImage, "0");
    EXPECT_FALSE(load().family<CopyEffects>().Timer2.Enabled());

    set(keys::mode, std::to_string(kSkyflock));
    set(keys::newTotal, "1");
    set(keys::neverChange, "maybe");  // never read with a single picture
    Form1& single = load();
    EXPECT_FALSE(single.family<CopyEffects>().Timer2.Enabled());
    EXPECT_EQ(single.family<CopyEffects>().secondImageReady, 0);
    EXPECT_EQ(single.family<CopyEffects>().cacheNumber, 0);
    EXPECT_TRUE(fakes.host.messages.empty());
}

TEST_F(Form1SetupTest, FloatLoadsNoCachePictureAndWorksInTwips) {
    fakes.pictures.cache.clear();
    set(keys::mode, std::to_string(kFloat));
    set(keys::floatImageSpeed, "4");
    Form1& form = load();
    EXPECT_TRUE(fakes.host.messages.empty());
    EXPECT_TRUE(form.scaleInTwips);
    EXPECT_EQ(form.ScaleWidth(), 800 * 15);
    EXPECT_TRUE(form.family<FloatEffect>().Timer2.Enabled());
    EXPECT_EQ(form.family<FloatEffect>().Timer2.Interval(), 250);
    EXPECT_FALSE(form.family<FloatEffect>().Timer3.Enabled());
    EXPECT_EQ(form.family<FloatEffect>().Timer3.Interval(), 50);

    set(keys::floatImageSpeed, "9");
    EXPECT_EQ(load().family<FloatEffect>().Timer3.Interval(), 100);
}

TEST_F(Form1SetupTest, FewOrNoCopies) {
    for (const char* copies : {"1", "0", "-3", ""}) {
        set(keys::clonesOfImage, copies);
        Form1& form = load();
        EXPECT_TRUE(fakes.host.messages.empty()) << copies;
        EXPECT_EQ(form.family<CopyEffects>().copies.size(), std::string(copies) == "1" ? 1u : 0u) << copies;
    }
}

TEST_F(Form1SetupTest, ATinyCachePictureStillRuns) {
    cachePicture(0, 1, 1);
    Form1& form = load();
    EXPECT_TRUE(fakes.host.messages.empty());
    EXPECT_EQ(form.family<CopyEffects>().first.member(1).size(), (PictureSize{1, 1}));
    EXPECT_TRUE(form.family<CopyEffects>().first.member(12).isNull());
}

TEST_F(Form1SetupTest, BadValuesEndTheSaverWithTheMessage) {
    struct Case {
        int effect;
        const SettingKey* key;
        const char* value;
    };
    const Case cases[] = {{kSkyflock, &keys::imageSpeed, "fast"},     {kSkyflock, &keys::imageSpeed, ""},
                          {kSkyflock, &keys::newBackColor, "red"},    {kSkyflock, &keys::newBackColor, ""},
                          {kSkyflock, &keys::neverChange, ""},        {kWarp, &keys::neverChange, "maybe"},
                          {kSplat, &keys::speedOfSplat, "x"},         {kDeckOfCards, &keys::deckGradient, ""},
                          {kPsychedelic, &keys::psychGradient, "1e9"}, {kFloat, &keys::newTotal, "lots"},
                          {kSkyflock, &keys::clonesOfImage, "40000"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key->key) + "=" + c.value);
        set(keys::mode, std::to_string(c.effect));
        set(*c.key, c.value);
        FakeSeams failing;
        failing.pictures.cache = fakes.pictures.cache;
        start(failing);
        ASSERT_EQ(failing.host.messages.size(), 1u);
        EXPECT_EQ(failing.host.unloads, 1);
        EXPECT_TRUE(failing.host.ended);
        set(*c.key, std::string(c.key->installedValue));
    }
    // Values of effects other than the chosen one are never read.
    set(keys::speedOfSplat, "x");
    load();
    EXPECT_TRUE(fakes.host.messages.empty());
}

TEST_F(Form1SetupTest, ABrokenCachePictureIsNamedInTheMessage) {
    const std::string kRest =
        "\nwas not processed correctly! Skyfolio will\nnot function unless a different image is "
        "reloaded.\nPlease go into settings and choose a different image.";
    fakes.pictures.cache.erase(1);
    load();
    EXPECT_EQ(fakes.host.messages, std::vector<std::string>{"SkyfolioImg/skyfss1.dib" + kRest});

    FakeSeams noneAtAll;
    start(noneAtAll);
    EXPECT_EQ(noneAtAll.host.messages, std::vector<std::string>{"SkyfolioImg/skyfss0.dib" + kRest});
    EXPECT_TRUE(noneAtAll.host.ended);

    // A bad value fails before any picture is named.
    set(keys::newBackColor, "red");
    FakeSeams badColour;
    start(badColour);
    EXPECT_EQ(badColour.host.messages, std::vector<std::string>{kRest});
}

}  // namespace
}  // namespace skyfolio
