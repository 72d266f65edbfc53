#include "tests/support/saver_fixture.h"

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

using test::FakeSaverHost;
using test::readFile;

using Form1SetupTest = test::SaverFixture;

TEST_F(Form1SetupTest, SkyflockAsInstalled) {
    set(keys::newBackColor, "255");
    load();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.backColor, 255);  // pure red, 0x00BBGGRR
    EXPECT_EQ(form.cfgCopies, "9");
    ASSERT_EQ(form.copyX.size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(form.copyX[i], -1);
        EXPECT_EQ(form.copyY[i], -1);
        EXPECT_EQ(form.copySize[i], 12);
    }
    EXPECT_EQ(form.cacheNumber, "1");
    EXPECT_EQ(form.secondImageReady, 1);
    EXPECT_EQ(form.first.member(1).size(), (PictureSize{198, 99}));
    EXPECT_EQ(form.second.member(12).size(), (PictureSize{25, 12}));
    EXPECT_FALSE(form.scaleInTwips);
    EXPECT_TRUE(form.Timer2.Enabled());
    EXPECT_EQ(form.Timer2.Interval(), 10000);
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_EQ(form.Timer1.Interval(), 20);
    EXPECT_EQ(form.Timer5.Interval(), 20);
    EXPECT_FALSE(form.Timer5.Enabled());
    EXPECT_FALSE(form.Timer3.Enabled());
    EXPECT_FALSE(form.Timer4.Enabled());
    EXPECT_EQ(form.keepTrails, 0);
    EXPECT_EQ(form.effectParam, (std::array<int16_t, 12>{0, 0, 0, 0, 0, 4, 12, 48, 48, 48, 48, 48}));
    EXPECT_EQ(SettingsFile().readImage("0"), folder.path() + "/Image1.jpg");  // the first-run entries
}

struct Arming {
    int effect;
    int keepTrails;
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
    load();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(form.keepTrails, a.keepTrails);
    EXPECT_EQ(form.effectParam[0], a.param0);
    EXPECT_EQ(form.effectParam[11], a.param11);
    EXPECT_EQ(form.Timer2.Enabled(), a.timer2Interval != 0);
    if (a.timer2Interval) {
        EXPECT_EQ(form.Timer2.Interval(), a.timer2Interval);
    }
    EXPECT_EQ(form.admitTicks, a.admitTicks);
    EXPECT_EQ(form.Timer1.Enabled(), a.effect >= 0 && a.effect <= 7);
}

INSTANTIATE_TEST_SUITE_P(AllEffects, EffectArmingTest,
                         ::testing::Values(Arming{0, 0, 0, 48, 10000, 0}, Arming{2, 0, 81, 0, 10000, 0},
                                           Arming{3, -1, 0, 7, 5000, 0}, Arming{4, -1, 0, 8, 10000, 0},
                                           Arming{5, 0, 0, 0, 5000, 0}, Arming{6, 0, 0, 0, 10000, 0},
                                           Arming{7, 0, 0, 9, 5000, 1}, Arming{9, 0, 0, 0, 0, 0}));

TEST_F(Form1SetupTest, PictureChangesNeedTwoPicturesAndTheirSwitch) {
    set(keys::mode, "2");
    set(keys::neverChange, "True");
    load();
    EXPECT_FALSE(form.Timer2.Enabled());

    Form1 splat{host, random};
    set(keys::mode, "7");
    set(keys::changeNextImage, "0");
    splat.Form_Load();
    EXPECT_FALSE(splat.Timer2.Enabled());

    Form1 single{host, random};
    set(keys::mode, "0");
    set(keys::newTotal, "1");
    set(keys::neverChange, "False");
    single.Form_Load();
    EXPECT_FALSE(single.Timer2.Enabled());
    EXPECT_EQ(single.secondImageReady, 0);
    EXPECT_EQ(single.cacheNumber, "0");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Form1SetupTest, FloatReadsItsListAndNoCache) {
    removeFile(cacheFilePath("0"));
    set(keys::mode, "1");
    set(keys::newTotal, "3");
    set(keys::floatImageSpeed, "4");
    ASSERT_TRUE(writeProfileString(settingsFilePath(), "images", "2", "/pictures/third.jpg"));
    load();
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(form.imageFiles.size(), 4u);
    EXPECT_EQ(form.imageFiles[0], folder.path() + "/Image1.jpg");
    EXPECT_EQ(form.imageFiles[2], "/pictures/third.jpg");
    EXPECT_EQ(form.imageFiles[3], "");
    EXPECT_TRUE(form.scaleInTwips);
    EXPECT_EQ(form.ScaleWidth(), 800 * 15);
    EXPECT_TRUE(form.Timer2.Enabled());
    EXPECT_EQ(form.Timer2.Interval(), 250);
    EXPECT_FALSE(form.Timer3.Enabled());
    EXPECT_EQ(form.Timer3.Interval(), 50);
    EXPECT_FALSE(form.Timer1.Enabled());

    Form1 odd{host, random};
    set(keys::floatImageSpeed, "9");
    odd.Form_Load();
    EXPECT_EQ(odd.Timer3.Interval(), 100);
}

TEST_F(Form1SetupTest, FewOrNoCopies) {
    for (const char* copies : {"1", "0", "-3", ""}) {
        Form1 f{host, random};
        set(keys::clonesOfImage, copies);
        f.Form_Load();
        EXPECT_TRUE(host.messages.empty()) << copies;
        EXPECT_EQ(f.copyX.size(), std::string(copies) == "1" ? 1u : 0u) << copies;
    }
}

TEST_F(Form1SetupTest, ATinyCachePictureStillRuns) {
    cachePicture("0", 1, 1);
    load();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(form.first.member(1).size(), (PictureSize{1, 1}));
    EXPECT_TRUE(form.first.member(12).isNull());
}

TEST_F(Form1SetupTest, BadValuesEndTheSaverWithTheMessageAndChangeNothing) {
    struct Case {
        int effect;
        const SettingKey* key;
        const char* value;
    };
    const Case cases[] = {{0, &keys::imageSpeed, "fast"}, {0, &keys::imageSpeed, ""},
                          {0, &keys::newBackColor, "red"}, {0, &keys::newBackColor, ""},
                          {0, &keys::neverChange, ""},    {2, &keys::neverChange, "maybe"},
                          {7, &keys::speedOfSplat, "x"},  {4, &keys::deckGradient, ""},
                          {3, &keys::psychGradient, "1e9"}, {1, &keys::newTotal, "lots"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key->key) + "=" + c.value);
        set(keys::mode, std::to_string(c.effect));
        set(*c.key, c.value);
        SettingsFile().writeFirstRunEntries();  // the one write a start may make
        const std::string before = readFile(settingsFilePath());
        FakeSaverHost failing;
        Form1 f{failing, random};
        f.Form_Load();
        ASSERT_EQ(failing.messages.size(), 1u);
        EXPECT_EQ(failing.unloads, 1);
        EXPECT_TRUE(failing.ended);
        EXPECT_EQ(readFile(settingsFilePath()), before);
        set(*c.key, std::string(c.key->installedValue));
    }
}

TEST_F(Form1SetupTest, ABrokenCachePictureIsNamedInTheMessage) {
    for (const std::string& bytes : {std::string(), std::string("not a picture"), std::string("BM\x36\x00")}) {
        test::writeFile(cacheFilePath("1"), bytes);
        FakeSaverHost failing;
        Form1 f{failing, random};
        f.Form_Load();
        ASSERT_EQ(failing.messages.size(), 1u);
        EXPECT_EQ(failing.messages[0],
                  cacheFilePath("1") +
                      "\nwas not processed correctly! Skyfolio will\nnot function unless a different image is "
                      "reloaded.\nPlease go into settings and choose a different image.");
        EXPECT_TRUE(failing.ended);
    }
    removeFile(cacheFilePath("0"));
    load();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].substr(0, cacheFilePath("0").size() + 1), cacheFilePath("0") + "\n");
}

TEST_F(Form1SetupTest, TheScreenSaverSwitchIsTurnedOffOnEveryFailedStart) {
    set(keys::saverEnabled, "1");
    removeFile(cacheFilePath("0"));
    host.platform = 1;  // the older family
    load();
    EXPECT_EQ(host.screenSaverSwitch, (std::vector<bool>{true, false}));

    FakeSaverHost nt;
    Form1 f{nt, random};
    f.Form_Load();
    EXPECT_TRUE(nt.screenSaverSwitch.empty());
    EXPECT_TRUE(nt.ended);
}

}  // namespace
}  // namespace skyfolio
