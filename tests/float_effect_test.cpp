#include "platform/profile.h"
#include "platform/program_folder.h"
#include "saver/form1.h"
#include "settings/settings_file.h"
#include "tests/support/fake_saver_host.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QColor>

namespace skyfolio {
namespace {

using namespace std::chrono_literals;
using test::FakeSaverHost;

constexpr int kTwips = 15;

// Float over an 800 x 600 screen (12000 x 9000 twips) with pictures of
// known sizes in a temporary program folder.
class FloatEffectTest : public ::testing::Test {
protected:
    void SetUp() override {
        setProgramFolder(folder.path());
        // As the dialog saves it: past the first run, which would name the sample pictures.
        SettingTexts installed;
        for (const SettingKey* key : kSettingKeysInFileOrder) installed.*(key->text) = key->installedValue;
        ASSERT_TRUE(writeAllSettings(settingsFilePath(), installed, {}));
        set(keys::mode, "1");
        set(keys::effectMode, "0");
        set(keys::randomEffect, "0");
        set(keys::centerImage, "1");
        set(keys::nextImageTime, "10");
        list({picture("a.bmp", 40, 30), picture("b.bmp", 20, 10), picture("c.bmp", 60, 50)});
    }
    std::string picture(const std::string& name, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((w * 7) % 360, 200, 200));
        EXPECT_TRUE(Picture(image).saveBitmap(folder.file(name)));
        return folder.file(name);
    }
    // The picture list afresh, its count `total` unless given.
    void list(const std::vector<std::string>& paths, int total = -1) {
        ProfileFile file(settingsFilePath());
        file.deleteSection(kImagesSection);
        for (size_t i = 0; i < paths.size(); ++i) ASSERT_TRUE(file.write(kImagesSection, std::to_string(i), paths[i]));
        ASSERT_TRUE(file.write(keys::newTotal.section, keys::newTotal.key, std::to_string(total < 0 ? int(paths.size()) : total)));
        ASSERT_TRUE(file.save());
    }
    void set(const SettingKey& key, const std::string& value) {
        ASSERT_TRUE(writeProfileString(settingsFilePath(), key.section, key.key, value));
    }
    void load() {
        form.Form_Load();
        ASSERT_TRUE(host.messages.empty());
        ASSERT_TRUE(form.Timer2.Enabled());
    }
    PictureSize shown() const { return host.box.picture.size(); }
    std::string missingMessage(const std::string& path) const {
        return path + "\ndoes not exist! Skyfolio will\nnot function unless a different image is reloaded.";
    }

    test::TempFolder folder;
    FakeSaverHost host;
    test::ScriptedRandom random;
    Form1 form{host, random};
    test::FakeFloatBox& box = host.box;
};

TEST_F(FloatEffectTest, StandardShowsTheListInOrderCentredAfterAPauseAndWraps) {
    load();
    bool visibleDuringPause = true;
    host.duringPause = [&] { visibleDuringPause = box.visible; };
    const std::vector<PictureSize> expected = {{40, 30}, {20, 10}, {60, 50}, {40, 30}};
    for (const PictureSize& size : expected) {
        form.Timer2_Timer();
        EXPECT_EQ(shown(), size);
        EXPECT_TRUE(box.visible);
        EXPECT_EQ(box.x, (12000 - size.width * kTwips) / 2);
        EXPECT_EQ(box.y, (9000 - size.height * kTwips) / 2);
        EXPECT_EQ(form.Timer2.Interval(), 10000);
    }
    EXPECT_FALSE(visibleDuringPause);
    EXPECT_EQ(host.pauses, std::vector<std::chrono::milliseconds>(4, 300ms));
    EXPECT_TRUE(box.steps.empty());
    EXPECT_FALSE(form.Timer3.Enabled());  // centred: it never moves
}

TEST_F(FloatEffectTest, AKeyDuringThePauseEndsTheRunAndNothingFollows) {
    load();
    host.duringPause = [&] {
        host.unloadForm();
        host.endProgram();
    };
    form.Timer2_Timer();
    EXPECT_TRUE(box.picture.isNull());
    EXPECT_EQ(form.Timer2.Interval(), 250);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FloatEffectTest, ATransitionRevealsTheNewPictureFromSecondPictureWithoutAPause) {
    set(keys::effectMode, "1");
    load();
    form.Timer2_Timer();
    ASSERT_EQ(box.steps.size(), 40u);  // Left wipe: one step per column
    EXPECT_EQ(box.steps.back(), (CopyStep{0, 0, 40, 30}));
    EXPECT_EQ(box.copiedFrom, &form.second.source);
    EXPECT_EQ(shown(), (PictureSize{40, 30}));
    EXPECT_TRUE(box.visible);
    EXPECT_EQ(box.x, (12000 - 600) / 2);
    EXPECT_TRUE(host.pauses.empty());
}

TEST_F(FloatEffectTest, RandomModeDrawsATransitionEvenWhenStandardIsChosen) {
    set(keys::randomEffect, "1");
    load();
    random.draws = {0.5, 0.99};
    form.Timer2_Timer();
    EXPECT_EQ(form.cfgTransition, "4");  // Up & down wipe
    EXPECT_EQ(box.steps.size(), 15u);
    form.Timer2_Timer();
    EXPECT_EQ(form.cfgTransition, "7");
    EXPECT_TRUE(host.pauses.empty());
    EXPECT_EQ(SettingsFile().read(keys::effectMode), "0");  // the choice stays in memory
}

TEST_F(FloatEffectTest, AnUnknownTransitionShowsThePictureAtOnce) {
    for (const char* index : {"9", "-1"}) {
        FakeSaverHost other;
        Form1 f{other, random};
        set(keys::effectMode, index);
        f.Form_Load();
        f.Timer2_Timer();
        EXPECT_TRUE(other.box.steps.empty() && other.pauses.empty() && other.messages.empty()) << index;
        EXPECT_EQ(other.box.picture.size(), (PictureSize{40, 30})) << index;
    }
}

TEST_F(FloatEffectTest, FloatingPicksADiagonalAtEveryChange) {
    set(keys::centerImage, "0");
    load();
    random.draws = {0.7, 0.2, 0.1, 0.9};
    form.Timer2_Timer();
    EXPECT_TRUE(form.Timer3.Enabled());
    EXPECT_EQ(form.floatListA[0], -15);
    EXPECT_EQ(form.floatListB[0], 15);
    form.Timer2_Timer();
    EXPECT_EQ(form.floatListA[0], 15);
    EXPECT_EQ(form.floatListB[0], -15);
    EXPECT_TRUE(form.Timer2.Enabled());
}

TEST_F(FloatEffectTest, NeverChangeShowsOnePictureForTheWholeRun) {
    set(keys::neverChange, "True");
    load();
    form.Timer2_Timer();
    EXPECT_FALSE(form.Timer2.Enabled());
    EXPECT_FALSE(form.Timer3.Enabled());
    EXPECT_EQ(shown(), (PictureSize{40, 30}));

    Form1 floating{host, random};
    set(keys::centerImage, "0");
    floating.Form_Load();
    floating.Timer2_Timer();
    EXPECT_FALSE(floating.Timer2.Enabled());
    EXPECT_TRUE(floating.Timer3.Enabled());
}

TEST_F(FloatEffectTest, TheMotionTickOvershootsOneStepThenTurns) {
    set(keys::centerImage, "0");
    load();
    random.draws = {0.0, 0.9};  // right and up
    form.Timer2_Timer();
    box.move(12000 - 600 - 15, 630);  // the 40-pixel picture a step from the right edge
    std::vector<std::pair<int, int>> path;
    for (int tick = 0; tick < 4; ++tick) {
        form.Timer3_Timer();
        path.emplace_back(box.x, box.y);
    }
    const std::vector<std::pair<int, int>> expected = {
        {11400, 615}, {11415, 600}, {11400, 615}, {11385, 630}};
    EXPECT_EQ(path, expected);
}

TEST_F(FloatEffectTest, APictureLargerThanTheScreenJittersInPlace) {
    list({picture("wide.bmp", 900, 20)});
    set(keys::centerImage, "0");
    load();
    random.draws = {0.0, 0.0};
    form.Timer2_Timer();
    const int left = box.x;
    EXPECT_EQ(left, (12000 - 13500) / 2);
    std::vector<int> lefts;
    for (int tick = 0; tick < 4; ++tick) {
        form.Timer3_Timer();
        lefts.push_back(box.x);
    }
    EXPECT_EQ(lefts, (std::vector<int>{left - 15, left, left - 15, left}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FloatEffectTest, AMissingPictureEndsTheRunWhenItIsDue) {
    const std::string gone = folder.file("gone.jpg");
    list({picture("a.bmp", 40, 30), gone});
    set(keys::saverEnabled, "1");
    host.platform = 1;  // the older family, where the saver switch is used
    load();
    form.Timer2_Timer();
    EXPECT_TRUE(host.messages.empty());
    form.Timer2_Timer();
    ASSERT_EQ(host.messages, std::vector<std::string>{missingMessage(gone)});
    EXPECT_EQ(host.unloads, 1);
    EXPECT_TRUE(host.ended);
    EXPECT_EQ(host.screenSaverSwitch, (std::vector<bool>{true, false}));
    EXPECT_EQ(form.floatImageIndex, 1);  // nothing more happened after the failure
}

TEST_F(FloatEffectTest, UnreadablePicturesAndShortListsEndTheRunWithTheMessage) {
    test::writeFile(folder.file("text.jpg"), "not a picture");
    test::writeFile(folder.file("empty.gif"), "");
    for (const std::string& bad : {folder.file("text.jpg"), folder.file("empty.gif"), folder.path()}) {
        for (const char* transition : {"0", "6"}) {
            SCOPED_TRACE(bad + " " + transition);
            list({bad});
            set(keys::effectMode, transition);
            FakeSaverHost failing;
            Form1 f{failing, random};
            f.Form_Load();
            f.Timer2_Timer();
            EXPECT_EQ(failing.messages, std::vector<std::string>{missingMessage(bad)});
            EXPECT_TRUE(failing.ended);
        }
    }
    // A count of 3 with two entries: the third path is empty.
    list({picture("a.bmp", 40, 30), picture("b.bmp", 20, 10)}, 3);
    load();
    for (int tick = 0; tick < 3; ++tick) form.Timer2_Timer();
    EXPECT_EQ(host.messages, std::vector<std::string>{missingMessage("")});
}

TEST_F(FloatEffectTest, ASettingTheClockCannotReadEndsTheRun) {
    set(keys::neverChange, "maybe");
    load();
    form.Timer2_Timer();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.ended);
}

}  // namespace
}  // namespace skyfolio
