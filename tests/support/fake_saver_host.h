#pragma once

#include "imaging/pixel_scaling.h"
#include "saver/form1.h"
#include "saver/monotonic_clock.h"
#include "saver/picture_source.h"
#include "saver/random.h"
#include "saver/saver_host.h"
#include "saver/surface.h"

#include <chrono>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace skyfolio::test {

// A picture of one colour.
inline Pixels flatPixels(int width, int height, uint32_t colour = rgb32(0, 139, 139)) {
    return Pixels({width, height}, std::vector<uint32_t>(size_t(width) * size_t(height), colour));
}

// A surface that remembers every call, in order.
class RecordingSurface : public Surface {
public:
    struct Draw {
        const Pixels* picture;
        PixelRect part;
        int x, y;
    };
    explicit RecordingSurface(PictureSize size = {800, 600}) : screen(size) {}

    PictureSize size() const override { return screen; }
    void setBackground(uint32_t colourValue) override { background = colourValue; }
    void clear() override { ++clears; }
    void clear(const PixelRect& rect) override { clearedRects.push_back(rect); }
    void copy(const Pixels& picture, const PixelRect& part, int x, int y) override {
        draws.push_back({&picture, part, x, y});
    }
    void setOverlay(const Pixels& picture, int x, int y) override {
        overlay = picture;
        overlayAt = {x, y};
    }
    void present() override { ++presents; }

    PictureSize screen;
    int64_t background = -1;
    int clears = 0;
    int presents = 0;
    std::vector<PixelRect> clearedRects;
    std::vector<Draw> draws;
    Pixels overlay;
    std::pair<int, int> overlayAt;
};

// Pictures held in memory: the cache by number, the user's files by path.
// Anything else cannot be had. A user's picture asked for at a size is
// scaled to it.
class FakePictureSource : public PictureSource {
public:
    Pixels cachePicture(int number) override {
        const auto found = cache.find(number);
        if (found == cache.end()) throw PictureLoadError(cachePicturePath(number) + ": no such picture");
        return found->second;
    }
    std::string cachePicturePath(int number) const override { return "SkyfolioImg/skyfss" + std::to_string(number) + ".dib"; }
    Pixels userPicture(const std::string& path) override {
        loaded.push_back(path);
        const auto found = files.find(path);
        if (found == files.end()) throw PictureLoadError(path + ": no such picture");
        return found->second;
    }
    std::optional<PictureSize> userPictureSize(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second.size();
    }
    Pixels userPicture(const std::string& path, PictureSize size) override {
        sizesAsked.push_back(size);
        return scaledByArea(userPicture(path), size);
    }

    std::map<int, Pixels> cache;
    std::map<std::string, Pixels> files;
    std::vector<std::string> loaded;
    std::vector<PictureSize> sizesAsked;  // by the loads at a size, in order
};

// The program around the saver as the tests see it: a record of everything asked.
class FakeSaverHost : public SaverHost {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void unloadForm() override { ++unloads; }
    void endProgram() override { ended = true; }

    std::vector<std::string> messages;
    int unloads = 0;
    bool ended = false;
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

// A steady clock that moves only when the test says so.
class FakeSteadyClock : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override { return time; }
    void advance(std::chrono::nanoseconds by) { time += by; }
    std::chrono::nanoseconds time{std::chrono::hours(1)};
};

// Everything a Form1 works with, faked.
struct FakeSeams {
    explicit FakeSeams(PictureSize screen = {800, 600}) : surface(screen) {}
    SaverSeams seams() { return {surface, pictures, host, random, clock}; }

    RecordingSurface surface;
    FakePictureSource pictures;
    FakeSaverHost host;
    ScriptedRandom random;
    FakeSteadyClock clock;
};

}  // namespace skyfolio::test
