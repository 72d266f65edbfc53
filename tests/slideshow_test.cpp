// Slideshow's engine: the shuffled order and its state, the slides made
// from photos, and the crossfade and pan and zoom on a headless screen.

#include "platform/image_surface.h"
#include "saver/inline_slide_source.h"
#include "saver/slide_composer.h"
#include "saver/slideshow.h"
#include "saver/slideshow_order.h"
#include "tests/support/saver_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace skyfolio {
namespace {

using namespace std::chrono_literals;

constexpr uint32_t kRed = rgb32(255, 0, 0);
constexpr uint32_t kBlue = rgb32(0, 0, 255);

TEST(SlideshowOrderTest, ShuffledRoundsNeverRepeatAndResumeAfterRestarts) {
    for (const int count : {1, 2, 3, 7, 50}) {
        SCOPED_TRACE(count);
        // One run taking 6 rounds, against runs of 5 photos each, every one
        // started afresh from the state the one before left as text.
        SlideshowOrder straight(count, true, std::nullopt, 42);
        std::vector<int> once, restarted;
        for (int i = 0; i < 6 * count; ++i) once.push_back(straight.next());
        std::optional<OrderState> state;
        while (restarted.size() < once.size()) {
            SlideshowOrder run(count, true, state, 42);
            for (int i = 0; i < 5 && restarted.size() < once.size(); ++i) restarted.push_back(run.next());
            state = parseOrderState(orderStateText(run.state()));
            ASSERT_TRUE(state);
        }
        EXPECT_EQ(once, restarted);
        for (size_t round = 0; round < once.size(); round += size_t(count)) {
            const std::set<int> shown(once.begin() + long(round), once.begin() + long(round) + count);
            EXPECT_EQ(int(shown.size()), count) << "round at " << round;
        }
        for (size_t i = 1; count > 1 && i < once.size(); ++i) EXPECT_NE(once[i], once[i - 1]) << "at " << i;
    }
    SlideshowOrder listed(3, false, std::nullopt, 1);
    EXPECT_EQ((std::vector<int>{listed.next(), listed.next(), listed.next(), listed.next()}), (std::vector<int>{0, 1, 2, 0}));
}

TEST(SlideshowOrderTest, DamagedOrForeignStateStartsAFreshRound) {
    EXPECT_FALSE(parseOrderState("round=1\nposition=x\nprevious=-1\n"));
    EXPECT_FALSE(parseOrderState("round=1\nposition=2\n"));
    EXPECT_FALSE(parseOrderState(""));
    // A state from a longer list than this one.
    const SlideshowOrder resumed(4, true, OrderState{7, 9, 8}, 5);
    EXPECT_EQ(resumed.state(), (OrderState{5, 0, -1}));
    EXPECT_NE(orderStateFileName({"a.jpg", "b.jpg"}), orderStateFileName({"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_NE(orderStateFileName({"ab", "c"}), orderStateFileName({"a", "bc"}));
}

class ListOrder : public PhotoOrder {
public:
    explicit ListOrder(int count, bool shuffled = false) : order_(count, shuffled, std::nullopt, 3) {}
    int next() override { return order_.next(); }
    int count() const override { return order_.count(); }

private:
    SlideshowOrder order_;
};

// Photos held in memory: portrait ones red, landscape ones blue, each with a
// white top row.
class SlideComposerTest : public ::testing::Test {
protected:
    std::string photo(const std::string& name, int w, int h) {
        std::vector<uint32_t> rows(size_t(w) * size_t(h), h > w ? kRed : kBlue);
        std::fill_n(rows.begin(), w, rgb32(255, 255, 255));
        pictures.files[name] = Pixels({w, h}, std::move(rows));
        return name;
    }
    SlideComposer composer(ListOrder& order, SlideOptions options, PictureSize screen = {400, 300}) {
        return SlideComposer(files, order, pictures, nullptr, options, screen);
    }
    std::vector<std::string> files;
    test::FakePictureSource pictures;
};

TEST_F(SlideComposerTest, PortraitPhotosPairButNeverWithThemselves) {
    files = {photo("p0", 30, 40), photo("l1", 40, 30), photo("p2", 30, 40), photo("p3", 30, 40), photo("l4", 40, 30)};
    ListOrder order(int(files.size()), true);
    SlideComposer slides = composer(order, {false, true, false, false});
    std::multiset<int> seen;
    for (int i = 0; i < 40; ++i) {
        const SlideResult made = slides.compose();
        ASSERT_TRUE(made.made);
        const auto& photos = made.slide.photos;
        for (const SlidePhoto& p : photos) seen.insert(p.index);
        if (photos.size() == 2) {
            EXPECT_NE(photos[0].index, photos[1].index);
            EXPECT_TRUE(isPortrait(pictures.files[files[size_t(photos[1].index)]].size()));
            EXPECT_LE(photos[0].place.x + photos[0].place.width, photos[1].place.x);
        }
    }
    for (int i = 0; i < int(files.size()); ++i) EXPECT_GE(seen.count(i), 10u) << files[size_t(i)];

    // The list's only portrait photo is shown alone.
    files = {photo("p0", 30, 40), photo("l1", 40, 30)};
    ListOrder two(2, true);
    SlideComposer alone = composer(two, {false, true, false, false});
    for (int i = 0; i < 6; ++i) EXPECT_EQ(alone.compose().slide.photos.size(), 1u);
}

TEST_F(SlideComposerTest, PhotosThatCannotBeReadAreSkipped) {
    files = {photo("a", 40, 30), "missing", photo("b", 40, 30)};
    ListOrder order(3);
    SlideComposer slides = composer(order, {});
    EXPECT_EQ(slides.compose().slide.photos[0].index, 0);
    EXPECT_EQ(slides.compose().slide.photos[0].index, 2);

    files = {"gone", "missing"};
    ListOrder none(2);
    const SlideResult result = composer(none, {}).compose();
    EXPECT_FALSE(result.made);
    EXPECT_FALSE(result.failedPath.empty());
}

TEST_F(SlideComposerTest, FillKeepsAPortraitsTopAndWholeSitsOnItsBlurredSelf) {
    files = {photo("p", 300, 600), photo("l", 400, 360)};
    ListOrder order(2);
    SlideComposer filled = composer(order, {true, false, false, false});
    const Slide portrait = filled.compose().slide;
    EXPECT_EQ(portrait.canvas.row(0)[200], rgb32(255, 255, 255)) << "the photo's top row is the screen's";
    EXPECT_TRUE(portrait.keepTop);
    const Slide landscape = filled.compose().slide;
    EXPECT_EQ(landscape.canvas.row(0)[200], kBlue) << "cut around its middle";

    ListOrder again(2);
    SlideComposer whole = composer(again, {false, false, false, false});
    const Slide slide = whole.compose().slide;
    EXPECT_EQ(slide.photos[0].place, (PixelRect{125, 0, 150, 300}));
    const uint32_t fill = slide.canvas.row(150)[10];
    EXPECT_GT(redOf(fill), 40) << "the fill is made from the photo";
    EXPECT_LT(redOf(fill), 200) << "and darkened";
    EXPECT_EQ(slide.canvas.row(150)[200], kRed);
    // The fill came from a small decode, not from the one shown.
    EXPECT_LE(pictures.sizesAsked.back().width * pictures.sizesAsked.back().height, 48 * 48);
}

// The slideshow on a 200 x 100 screen, one red photo and one blue, made as
// they are asked for.
class SlideshowTest : public test::SaverFixture, public SlideMaker {
protected:
    SlideshowTest() {
        set(keys::nextImageTime, "10");
        set(keys::slideshowCrossfade, "10");
        set(keys::slideshowCaption, "0");
        set(keys::slideshowShuffle, "0");
        files = {"red", "blue"};
        fakes.pictures.files["red"] = test::flatPixels(200, 100, kRed);
        fakes.pictures.files["blue"] = test::flatPixels(200, 100, kBlue);
    }
    std::unique_ptr<SlideSource> open(PictureSize screen, const SlideOptions& options,
                                      const std::vector<std::string>&) override {
        composer_.emplace(files, order_, fakes.pictures, nullptr, options, screen);
        return std::make_unique<InlineSlideSource>([this] { return composer_->compose(); });
    }
    Slideshow& start() {
        show_.emplace(settings(), surface, this, fakes.random, fakes.clock, [this](const std::string& m) { ended = m; });
        show_->Start();
        return *show_;
    }
    // Frame ticks, as the timer would fire them, while it runs.
    int runFrames(Slideshow& show, int most) {
        int frames = 0;
        for (; show.FrameTimer.Enabled() && frames < most; ++frames) {
            fakes.clock.advance(std::chrono::milliseconds(show.FrameTimer.Interval()));
            show.FrameTimer_Timer();
        }
        return frames;
    }
    uint32_t middle() const { return surface.shown().pixel(100, 50); }

    std::vector<std::string> files;
    ImageSurface surface{QSize(200, 100), nullptr};
    std::string ended;

private:
    ListOrder order_{2};
    std::optional<SlideComposer> composer_;
    std::optional<Slideshow> show_;
};

TEST_F(SlideshowTest, CrossfadeStepsReachTheSurfaceAndNothingTicksBetweenChanges) {
    set(keys::slideshowPanZoom, "0");
    Slideshow& show = start();
    EXPECT_EQ(runFrames(show, 1000), 1) << "the first photo comes in at once";
    EXPECT_EQ(middle(), kRed);
    EXPECT_FALSE(show.FrameTimer.Enabled()) << "still between changes";
    EXPECT_TRUE(show.NextImageTimer.Enabled());
    EXPECT_EQ(show.NextImageTimer.Interval(), 10000);

    fakes.clock.advance(10s);
    show.NextImageTimer_Timer();
    std::vector<uint32_t> steps;
    while (show.FrameTimer.Enabled() && steps.size() < 100) {
        fakes.clock.advance(std::chrono::milliseconds(show.FrameTimer.Interval()));
        show.FrameTimer_Timer();
        steps.push_back(middle());
    }
    EXPECT_NEAR(steps.size(), 31, 2) << "a second's crossfade at 30 frames a second";
    const uint32_t half = steps[steps.size() / 2];
    EXPECT_NEAR(redOf(half), 128, 20);
    EXPECT_NEAR(blueOf(half), 128, 20);
    EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end(), [](uint32_t a, uint32_t b) { return blueOf(a) < blueOf(b); }));
    EXPECT_EQ(steps.back(), kBlue);
    const std::vector<Slideshow::Shown> shown = show.shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].index, 1);
    EXPECT_EQ(shown[0].frame, (PixelRect{0, 0, 200, 100}));
    EXPECT_TRUE(ended.empty());
}

TEST_F(SlideshowTest, PanAndZoomMovesWithinItsRoomAndNoPhotoEndsTheShow) {
    set(keys::slideshowCrossfade, "0");
    Slideshow& show = start();
    runFrames(show, 1);
    std::vector<PixelRect> frames;
    for (int i = 0; i < 300; ++i) {
        runFrames(show, 1);
        frames.push_back(show.shown().at(0).frame);
    }
    EXPECT_TRUE(show.FrameTimer.Enabled()) << "it moves all the time";
    EXPECT_NE(frames.front(), frames.back());
    for (const PixelRect& frame : frames) {
        EXPECT_GE(frame.width, 200);
        EXPECT_LE(frame.width, 200 * 1.16);
        EXPECT_LE(frame.x, 0);
        EXPECT_GE(frame.x + frame.width, 200);
    }

    files = {"gone"};
    Slideshow& none = start();
    runFrames(none, 3);
    EXPECT_NE(ended.find("gone"), std::string::npos);
    EXPECT_FALSE(none.FrameTimer.Enabled());
}

}  // namespace
}  // namespace skyfolio
