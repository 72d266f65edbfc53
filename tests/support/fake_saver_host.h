#pragma once

#include "platform/random.h"
#include "saver/saver_host.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
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

// FirstPicture in Float: where it stands and what was drawn into it.
class FakeFloatBox : public FloatBox {
public:
    int left() const override { return x; }
    int top() const override { return y; }
    int width() const override { return w; }
    int height() const override { return h; }
    void move(int left, int top) override {
        x = left;
        y = top;
    }
    void resize(int width, int height) override {
        w = width;
        h = height;
    }
    void setVisible(bool shown) override { visible = shown; }
    void setPicture(const Picture& shown) override { picture = shown; }
    void copy(const Picture& source, const CopyStep& step) override {
        copiedFrom = &source;
        steps.push_back(step);
    }

    int x = 0, y = 0, w = 0, h = 0;
    bool visible = false;
    Picture picture;
    const Picture* copiedFrom = nullptr;
    std::vector<CopyStep> steps;
};

// The saver window as the tests see it: a screen of a chosen size and a
// record of everything asked of it.
class FakeSaverHost : public SaverHost {
public:
    explicit FakeSaverHost(PictureSize screen = {800, 600}) : screen(screen) {}

    PictureSize screenPixels() const override { return screen; }
    Surface& surface() override { return recording; }
    void setBackColor(uint32_t bgr) override { backColor = bgr; }
    FloatBox& firstPicture() override { return box; }
    bool pauseHandlingEvents(std::chrono::milliseconds duration) override {
        pauses.push_back(duration);
        if (duringPause) duringPause();
        return unloads == 0;
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void unloadForm() override { ++unloads; }
    void endProgram() override { ended = true; }
    int32_t platformId() const override { return platform; }
    void setScreenSaverRunning(bool running) override { screenSaverSwitch.push_back(running); }

    PictureSize screen;
    RecordingSurface recording;
    FakeFloatBox box;
    std::vector<std::chrono::milliseconds> pauses;
    std::function<void()> duringPause;  // the events that arrive while waiting
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
