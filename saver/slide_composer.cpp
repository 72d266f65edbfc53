#include "saver/slide_composer.h"

#include "saver/pan_zoom.h"
#include "saver/picture_source.h"
#include "saver/slide_pixels.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <utility>

namespace skyfolio {
namespace {

// The small decode the blurred fill is made from, on its longer side: the
// blur hides everything finer anyway.
constexpr int kFillDecodeSide = 48;
// Caption text height as a share of the screen's height.
constexpr int kScreenHeightsPerCaption = 40;

PictureSize sizeOf(const PixelRect& rect) { return {rect.width, rect.height}; }

}  // namespace

SlideComposer::SlideComposer(const std::vector<std::string>& files, PhotoOrder& order, PictureSource& pictures,
                             CaptionMaker* captions, SlideOptions options, PictureSize screen)
    : files_(files),
      order_(order),
      pictures_(pictures),
      captions_(options.caption ? captions : nullptr),
      options_(options),
      screen_(screen),
      canvas_(slideCanvas(screen, options.panZoom)) {}

SlideResult SlideComposer::compose() {
    const bool pairing = options_.pairPortraits && screen_.width > screen_.height;
    const auto made = [](Slide slide) { return SlideResult{true, std::move(slide), {}}; };
    // A whole round of photos that cannot be read ends the show.
    for (int failures = 0; failures < order_.count();) {
        if (waiting_ && sinceWaiting_ >= order_.count()) {
            // A whole round without another portrait photo: it stands alone.
            const Probed alone = *std::exchange(waiting_, std::nullopt);
            if (auto slide = make({alone})) return made(std::move(*slide));
        }
        const std::optional<Probed> photo = probe(order_.next());
        if (waiting_) ++sinceWaiting_;
        if (!photo) {
            ++failures;
            continue;
        }
        std::vector<Probed> photos{*photo};
        if (pairing && isPortrait(photo->size)) {
            if (!waiting_) {
                waiting_ = photo;
                sinceWaiting_ = 0;
                continue;
            }
            const Probed first = *std::exchange(waiting_, std::nullopt);
            // Come round to itself: the list holds no other portrait photo.
            photos = first.index == photo->index ? std::vector<Probed>{first} : std::vector<Probed>{first, *photo};
        }
        if (auto slide = make(photos)) return made(std::move(*slide));
        ++failures;
    }
    if (waiting_) {
        if (auto slide = make({*std::exchange(waiting_, std::nullopt)})) return made(std::move(*slide));
    }
    return {false, {}, failedLast_};
}

std::optional<SlideComposer::Probed> SlideComposer::probe(int index) {
    if (index < 0 || size_t(index) >= files_.size()) return std::nullopt;
    const std::optional<PictureSize> size = pictures_.userPictureSize(files_[size_t(index)]);
    if (!size || size->width <= 0 || size->height <= 0) {
        skip(index, "not a picture that can be read");
        return std::nullopt;
    }
    return Probed{index, *size};
}

// The photos decoded first, so that a pair with one photo that cannot be
// read shows the other alone.
std::optional<Slide> SlideComposer::make(const std::vector<Probed>& photos) {
    std::vector<uint32_t> rows(size_t(canvas_.width) * size_t(canvas_.height));
    Slide slide;
    std::vector<Probed> shown;
    const std::vector<PixelRect> places = slidePlaces(canvas_, int(photos.size()));
    for (size_t i = 0; i < photos.size(); ++i) {
        try {
            drawPhoto(photos[i], places[i], rows.data(), slide);
            shown.push_back(photos[i]);
        } catch (const std::exception& e) {
            skip(photos[i].index, e.what());
        }
    }
    if (shown.empty()) return std::nullopt;
    if (shown.size() < photos.size()) return make(shown);
    slide.canvas = Pixels(canvas_, std::move(rows));
    return slide;
}

void SlideComposer::drawPhoto(const Probed& photo, const PixelRect& place, uint32_t* canvas, Slide& slide) {
    const std::string& path = files_[size_t(photo.index)];
    const bool portrait = isPortrait(photo.size);
    if (options_.fill) {
        const PictureSize covered = coverSize(photo.size, sizeOf(place));
        const Pixels pixels = pictures_.userPicture(path, covered);
        copyPixels(pixels, fillCut(covered, sizeOf(place), portrait), canvas, canvas_.width, place.x, place.y);
        slide.photos.push_back({photo.index, place});
        slide.keepTop = slide.keepTop || portrait;
    } else {
        const PixelRect at = wholeIn(photo.size, place);
        const Pixels pixels = pictures_.userPicture(path, sizeOf(at));
        const PictureSize small = sizeOf(wholeIn(photo.size, {0, 0, kFillDecodeSide, kFillDecodeSide}));
        drawBlurredFill(pictures_.userPicture(path, small), canvas, canvas_.width, place);
        copyPixels(pixels, pixels.rect(), canvas, canvas_.width, at.x, at.y);
        slide.photos.push_back({photo.index, at});
    }
    slide.captions.push_back(captions_ ? captions_->caption(path, std::max(1, screen_.height / kScreenHeightsPerCaption))
                                       : Pixels());
}

void SlideComposer::skip(int index, const std::string& why) {
    failedLast_ = files_[size_t(index)];
    std::fprintf(stderr, "skyfolio: skipped %s: %s\n", failedLast_.c_str(), why.c_str());
}

}  // namespace skyfolio
