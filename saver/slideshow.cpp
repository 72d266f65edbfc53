#include "saver/slideshow.h"

#include "saver/form1.h"
#include "saver/monotonic_clock.h"
#include "saver/surface.h"
#include "settings/conversions.h"
#include "settings/saver_settings.h"
#include "settings/setting_keys.h"

#include <algorithm>
#include <cstring>

namespace skyfolio {
namespace {

using std::chrono::milliseconds;

// Thirty frames a second: smooth enough for a slow move and a fade.
constexpr int kFrameMs = 33;
constexpr int kMillisecondsPerSecond = 1000;
constexpr int kLongestCrossfadeTenths = 30;
constexpr int kMillisecondsPerTenth = 100;
constexpr int kFull = 256;
// The caption's distance from the screen's edges, in caption heights.
constexpr int kCaptionMarginShare = 2;

}  // namespace

SlideOptions slideOptions(const SaverSettings& settings) {
    return {settings.cfgSlideshowFit, settings.cfgSlideshowPairPortraits, settings.cfgSlideshowPanZoom,
            settings.cfgSlideshowCaption, settings.cfgSlideshowShuffle};
}

Slideshow::Slideshow(const SaverSettings& settings, Surface& surface, SlideMaker* maker, RandomSource& random,
                     const MonotonicClock& clock, std::function<void(const std::string& message)> end)
    : cfg_(settings), surface_(surface), maker_(maker), random_(random), clock_(clock), end_(std::move(end)) {}

void Slideshow::Start() {
    options_ = slideOptions(cfg_);
    // A length out of range is taken as installed, as the dialog shows it.
    const double tenths = cfg_.cfgSlideshowCrossfade;
    const bool usable = tenths >= 0 && tenths <= kLongestCrossfadeTenths && tenths == Floor(tenths);
    crossfade_ = milliseconds(int(usable ? tenths : NumberValue(keys::slideshowCrossfade.installedValue)) *
                              kMillisecondsPerTenth);
    try {
        onScreen_ = milliseconds(RoundInt32(cfg_.cfgNextImageTime * kMillisecondsPerSecond));
        background_ = pixelOfColourValue(static_cast<uint32_t>(RoundInt32(*cfg_.cfgBackColor)));
    } catch (const SettingError& error) {
        end_(Form1::SettingFailureMessage(error));
        return;
    } catch (const ConversionError&) {
        end_(Form1::SettingFailureMessage(SettingError(keys::nextImageTime.key, NumberText(cfg_.cfgNextImageTime))));
        return;
    }
    if (!maker_) {
        end_(Form1::FloatFailureMessage({}));
        return;
    }
    source_ = maker_->open(surface_.size(), options_, *cfg_.imageFiles);
    source_->request();
    due_ = true;
    FrameTimer.setInterval(kFrameMs);
    followFrameTimer();
}

void Slideshow::FrameTimer_Timer() {
    takeReady();
    if (!source_) return;
    bool changed = false;
    if (due_ && ready_ && !incoming_) {
        beginChange();
        changed = true;
    }
    if (incoming_ && fadeWeight() >= kFull) {
        current_ = std::move(incoming_);
        incoming_.reset();
        // Asked for only now, so that no more than two slides are ever held
        // beside the one being made.
        source_->request();
        changed = true;
    }
    if (changed || incoming_ || moving()) drawFrame();
    followFrameTimer();
}

void Slideshow::NextImageTimer_Timer() {
    due_ = true;
    FrameTimer_Timer();
}

void Slideshow::takeReady() {
    if (ready_ || !source_) return;
    std::optional<SlideResult> result = source_->take();
    if (!result) return;
    if (!result->made) {
        // No photo of the list can be read: the saver cannot go on.
        source_.reset();
        FrameTimer.setEnabled(false);
        NextImageTimer.setEnabled(false);
        end_(Form1::FloatFailureMessage(result->failedPath));
        return;
    }
    ready_ = std::move(result->slide);
}

void Slideshow::beginChange() {
    const PictureSize canvas = ready_->canvas.size();
    const bool keepTop = ready_->keepTop;
    incoming_ = Showing{std::move(*ready_),
                        options_.panZoom ? PanZoomPath::chosen(canvas, surface_.size(), keepTop, random_)
                                         : PanZoomPath::still(canvas),
                        clock_.now()};
    ready_.reset();
    due_ = false;
    NextImageTimer.setInterval(int(onScreen_.count()));
    NextImageTimer.setEnabled(true);
}

// Ticks while something moves on the screen, or while a slide that is due
// is still being made.
void Slideshow::followFrameTimer() {
    const bool wanted = incoming_ || moving() || (due_ && !ready_);
    if (FrameTimer.Enabled() != wanted) FrameTimer.setEnabled(wanted);
}

int Slideshow::fadeWeight() const {
    if (!incoming_) return 0;
    // The first slide has nothing to fade from: it shows at once.
    if (!current_ || crossfade_.count() == 0) return kFull;
    const auto faded = std::chrono::duration_cast<milliseconds>(clock_.now() - incoming_->since);
    return int(std::clamp<int64_t>(faded.count() * kFull / crossfade_.count(), 0, kFull));
}

// A photo moves over its whole time on screen, its crossfades included.
double Slideshow::progress(const Showing& showing) const {
    const auto lasts = onScreen_ + crossfade_;
    if (lasts.count() == 0) return 0;
    return std::chrono::duration<double, std::milli>(clock_.now() - showing.since).count() / double(lasts.count());
}

// The photo alone on the screen still on its way; at the end of its path,
// its next one late, it rests and nothing ticks.
bool Slideshow::moving() const {
    return current_ && current_->path.moves() && progress(*current_) < 1;
}

FramedCanvas Slideshow::framed(const Showing& showing) const {
    return FramedCanvas(showing.slide.canvas, showing.path.at(progress(showing)), surface_.size());
}

// The captions stay where they are while the photo moves beneath them: in
// the bottom corner on the photo's side, the right one for a photo alone.
PixelRect Slideshow::captionPlace(const Slide& slide, size_t photo) const {
    const Pixels& caption = slide.captions[photo];
    const PictureSize screen = surface_.size();
    const int margin = caption.height() * kCaptionMarginShare;
    const int width = std::min(caption.width(), screen.width / 2 - margin);
    const bool left = slide.photos.size() > 1 && photo == 0;
    return {left ? margin : screen.width - margin - width, screen.height - margin - caption.height(), width,
            caption.height()};
}

const uint32_t* Slideshow::slideRow(const Showing& showing, const FramedCanvas& framed, int y, uint32_t* scratch) const {
    const uint32_t* row = framed.row(y, scratch);
    const Slide& slide = showing.slide;
    for (size_t i = 0; i < slide.captions.size(); ++i) {
        if (slide.captions[i].isNull()) continue;
        const PixelRect at = captionPlace(slide, i);
        if (at.isEmpty() || y < at.y || y >= at.y + at.height || at.y < 0) continue;
        if (row != scratch) row = static_cast<const uint32_t*>(std::memcpy(scratch, row, size_t(surface_.size().width) * 4));
        overlayRow(slide.captions[i].row(y - at.y), scratch + at.x, at.width);
    }
    return row;
}

// Every pixel is written once, straight into the surface: a row of the
// slide alone, or the two slides' rows blended there.
void Slideshow::drawFrame() {
    const PictureSize screen = surface_.size();
    const auto width = size_t(screen.width);
    scratch_.resize(width * 2);
    uint32_t* const outgoingRow = scratch_.data();
    uint32_t* const incomingRow = outgoingRow + width;
    if (!current_) std::fill_n(outgoingRow, width, background_);
    const FramedCanvas outgoing = current_ ? framed(*current_) : FramedCanvas();
    const FramedCanvas coming = incoming_ ? framed(*incoming_) : FramedCanvas();
    const int weight = fadeWeight();
    surface_.fillRows({0, 0, screen.width, screen.height}, [&](int y, uint32_t* out) {
        if (!incoming_) {
            const uint32_t* row = slideRow(*current_, outgoing, y, out);
            if (row != out) std::memcpy(out, row, width * 4);
            return;
        }
        const uint32_t* from = current_ ? slideRow(*current_, outgoing, y, outgoingRow) : outgoingRow;
        blendRow(from, slideRow(*incoming_, coming, y, incomingRow), out, screen.width, weight);
    });
    surface_.present();
}

std::vector<Slideshow::Shown> Slideshow::shown() const {
    std::vector<Shown> photos;
    const int weight = fadeWeight();
    const auto add = [&](const Showing& showing, int shownWeight) {
        const FramedCanvas at = framed(showing);
        for (const SlidePhoto& photo : showing.slide.photos) photos.push_back({photo.index, at.onScreen(photo.place), shownWeight});
    };
    if (current_) add(*current_, kFull - weight);
    if (incoming_) add(*incoming_, weight);
    return photos;
}

}  // namespace skyfolio
