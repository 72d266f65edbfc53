#pragma once

#include "platform/random.h"
#include "saver/saver_host.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace skyfolio::test {

// A surface that remembers every call, in order.
class RecordingSurface : public Surface {
public:
    struct Draw {
        const Picture* picture;
        int x, y, width, height;
    };
    void clear() override { ++clears; }
    void draw(const Picture& picture, int x, int y) override {
        draws.push_back({&picture, x, y, picture.width(), picture.height()});
    }
    void present() override { ++presents; }

    int clears = 0;
    int presents = 0;
    std::vector<Draw> draws;
};

// The saver window as the tests see it: a screen of a chosen size and a
// record of everything asked of it.
class FakeSaverHost : public SaverHost {
public:
    explicit FakeSaverHost(PictureSize screen = {800, 600}) : screen(screen) {}

    PictureSize screenPixels() const override { return screen; }
    Surface& surface() override { return recording; }
    void setBackColor(uint32_t bgr) override { backColor = bgr; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void unloadForm() override { ++unloads; }
    void endProgram() override { ended = true; }
    int32_t platformId() const override { return platform; }
    void setScreenSaverRunning(bool running) override { screenSaverSwitch.push_back(running); }

    PictureSize screen;
    RecordingSurface recording;
    int64_t backColor = -1;
    std::vector<std::string> messages;
    int unloads = 0;
    bool ended = false;
    int32_t platform = 2;
    std::vector<bool> screenSaverSwitch;
};

// Draws handed out in the order given, then 0.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom(std::initializer_list<double> draws = {}) : draws(draws) {}
    double uniform() override {
        if (draws.empty()) return 0.0;
        const double next = draws.front();
        draws.pop_front();
        return next;
    }
    std::deque<double> draws;
};

}  // namespace skyfolio::test
