#include "saver/effects.h"
#include "startup/saver_screens.h"
#include "tests/support/saver_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace skyfolio {
namespace {

// What happened to the fake screens, in order, each line naming its screen.
using Log = std::vector<std::string>;

// One screen's saver as the coordinator sees it: a real Form1 at the
// screen's size in device pixels over fakes, and a record of the rest.
class FakeSaverScreen : public SaverScreen {
public:
    FakeSaverScreen(const ScreenArea& area, const SaverSettings& settings, Log& log, std::function<void()> onLoad)
        : name_(std::to_string(area.x)), seams_(area.devicePixels()), log_(log), onLoad_(std::move(onLoad)),
          form_(std::make_unique<Form1>(settings, seams_.seams())), settings_(settings) {
        seams_.pictures.cache[0] = test::flatPixels(200, 100);
    }
    ~FakeSaverScreen() override { note("gone"); }

    void load() override {
        form_->Form_Load();
        note("loaded " + std::to_string(form_->ScaleWidth()) + "x" + std::to_string(form_->ScaleHeight()));
        if (onLoad_) onLoad_();
    }
    void cover(const ScreenArea& area) override {
        note("cover " + std::to_string(area.x) + "," + std::to_string(area.y));
        if (area.devicePixels() == seams_.surface.screen) return;
        seams_.surface.screen = area.devicePixels();
        form_ = std::make_unique<Form1>(settings_, seams_.seams());
        load();
    }
    void showForm(bool takeKeyboard) override { note(takeKeyboard ? "shown with the keyboard" : "shown"); }
    void placeWindow(bool isTopmost) override { topmost = isTopmost; }
    void setInputEnabled(bool enabled) override { inputEnabled = enabled; }
    void unload() override { note("unloaded"); }
    const Form1& form() const override { return *form_; }

    bool topmost = false;
    bool inputEnabled = true;

private:
    void note(const std::string& what) { log_.push_back(name_ + " " + what); }

    std::string name_;
    test::FakeSeams seams_;
    Log& log_;
    std::function<void()> onLoad_;
    std::unique_ptr<Form1> form_;
    const SaverSettings& settings_;
};

// The coordinator over fake screens, each named by its left edge, with the
// copy effect as installed.
class SaverScreensTest : public test::SaverFixture {
protected:
    SaverScreensTest() { set(keys::newTotal, "1"); }

    SaverScreens& screens() {
        if (!screens_) {
            const SaverSettings& kept = settings();
            screens_ = std::make_unique<SaverScreens>(
                [this, &kept](const ScreenArea& area) {
                    auto screen = std::make_unique<FakeSaverScreen>(area, kept, log, onLoad);
                    made[area.screen] = screen.get();
                    return screen;
                },
                [this](int x, int y) { pointer = {x, y}; });
        }
        return *screens_;
    }
    // A screen of the desktop; its identity is its number.
    static ScreenArea screen(int id, int x, int y, int width, int height, bool primary = false, double ratio = 1) {
        return {reinterpret_cast<const void*>(intptr_t(id)), x, y, width, height, ratio, primary};
    }
    FakeSaverScreen& saverOf(int id) { return *made.at(reinterpret_cast<const void*>(intptr_t(id))); }
    // As start-up runs the saver: every screen loaded, then shown, the
    // pointer away and the windows above the others.
    void start(const std::vector<ScreenArea>& desktop) {
        screens().follow(desktop);
        screens().showForm();
        screens().movePointerOutOfSight();
        screens().placeWindow(true);
        log.clear();
    }

    Log log;
    std::function<void()> onLoad;
    std::map<const void*, FakeSaverScreen*> made;
    std::pair<int, int> pointer{-1, -1};

private:
    std::unique_ptr<SaverScreens> screens_;
};

// Two 1920 x 1080 monitors with the primary on the right, and a 1280 x 1024
// one left of the desktop's origin.
const std::vector<ScreenArea> kDesktop = {
    {reinterpret_cast<const void*>(intptr_t(1)), 0, 0, 1920, 1080, 1, false},
    {reinterpret_cast<const void*>(intptr_t(2)), 1920, 0, 1920, 1080, 1, true},
    {reinterpret_cast<const void*>(intptr_t(3)), -1280, 0, 1280, 1024, 1, false},
};

TEST_F(SaverScreensTest, EveryScreenGetsItsOwnSaverAtItsSizeAndThePrimaryTheKeyboard) {
    screens().follow({screen(1, 0, 0, 1920, 1080), screen(2, 1920, 0, 1280, 720, true, 2), screen(3, 3200, 0, 0, 0)});
    EXPECT_EQ(log, (Log{"0 loaded 1920x1080", "1920 loaded 2560x1440"})) << "in device pixels; an empty screen has none";
    log.clear();
    screens().showForm();
    EXPECT_EQ(log, (Log{"0 shown", "1920 shown with the keyboard"}));
}

TEST_F(SaverScreensTest, ThePointerGoesToThePrimaryScreensBottomRightCorner) {
    start(kDesktop);
    EXPECT_EQ(pointer, (std::pair{3839, 1079}));

    screens().follow({screen(1, -1920, -200, 960, 540, true, 2)});  // left of and above the origin, high density
    screens().movePointerOutOfSight();
    EXPECT_EQ(pointer, (std::pair{-961, 339}));
}

TEST_F(SaverScreensTest, FloatsTwipsStillEndAtTheCorner) {
    set(keys::mode, std::to_string(kFloat));
    start({screen(1, 0, 0, 800, 600, true)});
    ASSERT_TRUE(saverOf(1).form().scaleInTwips);
    EXPECT_EQ(pointer, (std::pair{799, 599}));
}

TEST_F(SaverScreensTest, ThePromptUncoversOnlyWhatLiesBeneathIt) {
    // A mirror of the primary screen lies beneath the prompt too.
    std::vector<ScreenArea> desktop = kDesktop;
    desktop.push_back(screen(4, 1920, 0, 1920, 1080));
    start(desktop);
    for (int id : {1, 2, 3, 4}) EXPECT_TRUE(saverOf(id).topmost);

    screens().setInputEnabled(false);
    screens().placeWindow(false);
    EXPECT_FALSE(saverOf(2).topmost);
    EXPECT_FALSE(saverOf(4).topmost);
    EXPECT_TRUE(saverOf(1).topmost) << "the other screens stay covered";
    EXPECT_TRUE(saverOf(3).topmost);
    for (int id : {1, 2, 3, 4}) EXPECT_FALSE(saverOf(id).inputEnabled);

    // Plugged in while the prompt stands: covered, and deaf as the others.
    desktop.push_back(screen(5, 3840, 0, 800, 600));
    screens().follow(desktop);
    EXPECT_EQ(log, (Log{"3840 loaded 800x600"}));
    EXPECT_TRUE(saverOf(5).topmost);
    EXPECT_FALSE(saverOf(5).inputEnabled);
}

TEST_F(SaverScreensTest, ScreensThatComeGoMoveAndResizeAreFollowed) {
    start(kDesktop);
    // A monitor plugged in: its own saver, shown as the others are.
    std::vector<ScreenArea> desktop = kDesktop;
    desktop.push_back(screen(4, 3840, 0, 1024, 768));
    screens().follow(desktop);
    EXPECT_EQ(log, (Log{"3840 loaded 1024x768"}));
    EXPECT_TRUE(saverOf(4).topmost);
    EXPECT_TRUE(saverOf(4).inputEnabled);

    // Unplugged: its saver goes, nobody else is touched.
    log.clear();
    desktop.erase(desktop.begin());
    screens().follow(desktop);
    EXPECT_EQ(log, (Log{"0 gone"}));

    // Moved, then given a new resolution: covered again, and set up again
    // only for the new size.
    log.clear();
    desktop[1].x = -1000;
    screens().follow(desktop);
    desktop[1].width = 1000;
    desktop[1].height = 500;
    screens().follow(desktop);
    screens().follow(desktop);
    EXPECT_EQ(log, (Log{"-1280 cover -1000,0", "-1280 cover -1000,0", "-1280 loaded 1000x500"}));
}

TEST_F(SaverScreensTest, WhenThePrimaryScreenGoesTheNewOneTakesTheKeyboard) {
    start(kDesktop);
    std::vector<ScreenArea> desktop = {kDesktop[0], kDesktop[2]};
    desktop[0].primary = true;
    screens().follow(desktop);
    EXPECT_EQ(log, (Log{"1920 gone", "0 shown with the keyboard"}));

    // Not while the prompt has it.
    screens().setInputEnabled(false);
    log.clear();
    desktop[0].primary = false;
    desktop[1].primary = true;
    screens().follow(desktop);
    EXPECT_EQ(log, (Log{}));
}

TEST_F(SaverScreensTest, AScreenWhoseSetUpFailsEndsEveryScreenAndNoMoreAreMade) {
    onLoad = [this] {
        if (made.size() == 2) screens().unload();  // as the host does after the message
    };
    screens().follow(kDesktop);
    EXPECT_EQ(made.size(), 2u);
    EXPECT_EQ(log, (Log{"0 loaded 1920x1080", "1920 loaded 1920x1080", "0 unloaded", "1920 unloaded"}));

    log.clear();
    std::vector<ScreenArea> desktop = kDesktop;
    desktop.push_back(screen(4, 3840, 0, 1024, 768));
    desktop[0].width = 800;
    screens().follow(desktop);
    screens().showForm();
    EXPECT_EQ(log, (Log{})) << "nothing set up or shown once the run is over";
}

}  // namespace
}  // namespace skyfolio
