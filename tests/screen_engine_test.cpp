#include "platform/screen_engine.h"
#include "saver/copy_effects.h"
#include "settings/setting_keys.h"
#include "tests/support/fake_saver_host.h"
#include "tests/support/qt_application.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

// Skyflock as installed over one cache picture, on an 800 x 600 screen.
class ScreenEngineTest : public ::testing::Test {
protected:
    ScreenEngineTest() {
        SettingTexts texts;
        for (const SettingKey* key : kSettingKeysInFileOrder) texts.*(key->text) = key->installedValue;
        texts.cfgImageTotal = "1";
        settings = convertSaverSettings(texts, [](int) { return std::string(); });
        fakes.pictures.cache[0] = test::flatPixels(200, 100);
    }

    test::QtApplication qt;
    SaverSettings settings;
    test::FakeSeams fakes;
    int presents = 0;
    int ticks = 0;
    ScreenEngine engine{settings, {fakes.pictures, fakes.host, fakes.random, fakes.clock}, {800, 600},
                        [this](const std::vector<QRect>&) { ++presents; }, [this] { ++ticks; }};
};

TEST_F(ScreenEngineTest, ANewSizeSetsTheScreenUpAfresh) {
    engine.load();
    ASSERT_TRUE(engine.form().family<CopyEffects>().Timer1.Enabled());
    EXPECT_EQ(engine.form().ScaleWidth(), 800);

    engine.resize({1024, 768});
    EXPECT_EQ(engine.size(), (PictureSize{1024, 768}));
    EXPECT_EQ(engine.surface().size(), (PictureSize{1024, 768}));
    EXPECT_EQ(engine.form().ScaleWidth(), 1024);
    EXPECT_TRUE(engine.form().family<CopyEffects>().Timer1.Enabled()) << "loaded again";
    EXPECT_EQ(engine.form().family<CopyEffects>().first.source.size(), (PictureSize{200, 100}));
    EXPECT_TRUE(fakes.host.messages.empty());
}

TEST_F(ScreenEngineTest, EveryTickDrawsThenRunsTheFollowUp) {
    engine.load();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (ticks >= 3) loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GE(ticks, 3);
    EXPECT_GE(presents, ticks);
}

TEST_F(ScreenEngineTest, AnUnloadedScreenIsNotSetUpAgain) {
    engine.load();
    engine.halt();
    engine.resize({1024, 768});
    EXPECT_EQ(engine.size(), (PictureSize{800, 600}));
}

}  // namespace
}  // namespace skyfolio
